// Print-list pieces from records: picture head and end, raster records,
// picture info and the paragraph pieces, byte for byte from their forms,
// read back by the viewer's reader, and the refusals.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <cstdio>
#include <string>

#include "base/cp850.h"
#include "dialogs/messages.h"
#include "platform/msgbox.h"
#include "printlist/list_capture.h"
#include "printlist/list_reader.h"
#include "printlist/oli_blocks.h"
#include "support/testutil.h"

namespace test_oli_blocks {
namespace {

const std::string Q(const std::string& t) { return "\xAE" + t + "\xAF"; }

// The last refusal shown (message mode 0 puts each into a box).
std::string Last_Box() {
    const auto& boxes = VEK_Recorded_Messages();
    if (boxes.empty() || boxes.back().lines.empty()) return "";
    return boxes.back().lines.front();
}

int Caption_Above(FILE* f, unsigned) { return std::fputs(" 1 0 0\n Titel\n", f) >= 0; }
int Caption_Fails(FILE*, unsigned) { return 0; }

TEST(PictureHead, DefaultsCaptionsFlagsAndModeThree) {
    ListCapture list;
    EXPECT_EQ(Oli_Picture_Head(list.f(), nullptr), 0);
    EXPECT_EQ(Oli_Picture_End(list.f()), 0);
    EXPECT_EQ(list.Take(), "\n\n#SHOWGRAFIC\n0 0 0\n0 0 0\n1\n0 10 0 5\n0\n\n");

    // Flag 0x10000: the second extent before the extent; mode 3: its value.
    OliPictureHead h = Oli_Default_Picture_Head();
    h.flags = OLI_PICTURE_SECOND_EXTENT;
    h.caption1 = Caption_Above;
    h.mode = 3;
    h.mode3_value = 2.5;
    const double second[4] = {1, 2, 3, 4}, extent[4] = {0, 12.5, -1, 7};
    for (int i = 0; i < 4; i++) h.second_extent[i] = second[i], h.extent[i] = extent[i];
    EXPECT_EQ(Oli_Picture_Head(list.f(), &h), 0);
    EXPECT_EQ(list.Take(), "\n\n#SHOWGRAFIC\n 1 0 0\n Titel\n0 0 0\n-999 65536 3\n1 2 3 4\n0 12.5 -1 7\n2.5\n");

    h.caption2 = Caption_Fails;
    EXPECT_EQ(Oli_Picture_Head(list.f(), &h), -1);
    EXPECT_EQ(Oli_Picture_Head(nullptr, &h), -1);
}

TEST(PictureHead, ReadsBackWithItsRecordsAndEnd) {
    ListCapture list;
    OliPictureHead h = Oli_Default_Picture_Head();
    h.flags = OLI_PICTURE_SECOND_EXTENT;
    h.mode = 3;
    Oli_Picture_Head(list.f(), &h);
    std::fputs(" 1  0.000000 0.000000 10.000000 5.000000\n", list.f());
    Oli_Picture_End(list.f());
    std::fputs("#NEWPAGE\n", list.f());
    ReadList r = Read_List(list.Take());
    EXPECT_EQ(r.damaged, 0);
    ASSERT_EQ(Blocks_Of(r, "GRAFIC").size(), 1u);
    const ReadBlock b = Blocks_Of(r, "GRAFIC")[0];
    EXPECT_EQ(b.extent[1], 10.0);
    EXPECT_EQ(b.extent[3], 5.0);
    ASSERT_EQ(b.records.size(), 1u);
    EXPECT_EQ(b.records[0].number, 1);
    EXPECT_EQ(Blocks_Of(r, "NEWPAGE").size(), 1u);
}

TEST(PictureHead, RefusesValuesThatAreNoNumbers) {
    ListCapture list;
    OliPictureHead h = Oli_Default_Picture_Head();
    h.extent[2] = NAN;
    EXPECT_EQ(Oli_Picture_Head(list.f(), &h), -1);
    h = Oli_Default_Picture_Head();
    h.flags = OLI_PICTURE_SECOND_EXTENT;
    h.second_extent[0] = INFINITY;
    EXPECT_EQ(Oli_Picture_Head(list.f(), &h), -1);
    EXPECT_EQ(list.Take(), "");
    EXPECT_NE(Last_Box().find("Oli_Picture_Head nicht geschrieben"), std::string::npos) << Last_Box();
}

TEST(RasterRecord, SettingsByFlagsInTheirOrder) {
    ListCapture list;
    EXPECT_EQ(Oli_Raster_Record(list.f(), 1.5, 2.0, "C:\\bilder\\b.png", nullptr), 0);
    OliRasterSettings s = Oli_Default_Raster_Settings();
    // 0x10 the resolution, 0x1 the factors, 0x2 width and angle: in that
    // order whatever the bits.
    s.flags = 0x13;
    s.resolution = 150, s.factor_x = 0.5, s.factor_y = 2, s.width = 8.25, s.angle = 90;
    EXPECT_EQ(Oli_Raster_Record(list.f(), 0, -1, "b.png", &s), 0);
    EXPECT_EQ(list.Take(), "75 0 1.5 2 " + Q("C:\\bilder\\b.png") + "\n75 19 0 -1 150 0.5 2 8.25 90 " + Q("b.png") + "\n");

    EXPECT_EQ(Oli_Raster_Record(list.f(), NAN, 0, "b.png", nullptr), -1);
    EXPECT_EQ(Oli_Raster_Record(list.f(), 0, 0, "zwei\nZeilen.png", nullptr), -1);
    EXPECT_EQ(Oli_Raster_Record(list.f(), 0, 0, std::string(260, 'n').c_str(), nullptr), -1);
    EXPECT_EQ(Oli_Raster_Record(list.f(), 0, 0, nullptr, nullptr), -1);
    EXPECT_EQ(list.Take(), "");
}

TEST(RasterRecord, EmbedsTheFileInLinesOf64Bytes) {
    testutil::TempDir dir;
    std::string bytes;
    for (int i = 0; i < 130; i++) bytes.push_back(static_cast<char>(i));
    testutil::Write_File(dir.file("b.bin"), bytes);
    ListCapture list;
    OliRasterSettings s = Oli_Default_Raster_Settings();
    s.flags = OLI_RASTER_EMBED;
    EXPECT_EQ(Oli_Raster_Record(list.f(), 1, 2, dir.file("b.bin").c_str(), &s), 0);
    std::string hex[3];
    char pair[3];
    for (int i = 0; i < 130; i++) {
        std::snprintf(pair, sizeof pair, "%.2x", i);
        hex[i / 64] += pair;
    }
    const std::string written = list.Take();
    EXPECT_EQ(written, "75 4096 1 2 " + Q(".bin") + "\n{" + hex[0] + "\n" + hex[1] + "\n" + hex[2] + "}\n");

    // The viewer takes the bytes back with the record.
    ReadList r = Read_List("#SHOWGRAFIC\n0 0 0\n0 0 0\n1\n0 10 0 5\n" + written + "0\n");
    EXPECT_EQ(r.damaged, 0);
    ASSERT_EQ(r.blocks.size(), 1u);
    ASSERT_EQ(r.blocks[0].records.size(), 1u);
    EXPECT_EQ(r.blocks[0].records[0].text, ".bin");
    EXPECT_EQ(r.blocks[0].records[0].data, bytes);

    // A file that cannot be opened or read whole (a directory: it opens,
    // but gives no bytes) is refused before anything is written.
    EXPECT_EQ(Oli_Raster_Record(list.f(), 1, 2, dir.file("none.bin").c_str(), &s), -1);
    EXPECT_EQ(Oli_Raster_Record(list.f(), 1, 2, dir.str().c_str(), &s), -1);
    EXPECT_EQ(list.Take(), "");
}

TEST(PictureInfo, WritesReadsBackAndRefuses) {
    ListCapture list;
    EXPECT_EQ(Write_Picture_Info(list.f(), nullptr), 1);
    OLI_GRAPHIC_Picture_Info info;
    Oli_Default_Picture_Info(&info);
    std::snprintf(info.name, sizeof info.name, "%s", "plan.bmp");
    info.pixels_x = 640, info.pixels_y = 480, info.resolution = 96;
    info.width = 16.93333, info.height = 12.7;
    EXPECT_EQ(Write_Picture_Info(list.f(), &info), 1);
    const std::string written = list.Take();
    EXPECT_EQ(written, "OLI_GRAPHIC_Picture_Info\n" + Q("???") + "\n0 0\n300\n0.0000 0.0000\n" +
                           "OLI_GRAPHIC_Picture_Info\n" + Q("plan.bmp") + "\n640 480\n96\n16.9333 12.7000\n");

    FILE* in = testutil::Stream_With(written);
    OLI_GRAPHIC_Picture_Info a, b;
    EXPECT_EQ(Read_Picture_Info(in, &a), 1);
    EXPECT_EQ(Read_Picture_Info(in, &b), 1);
    std::fclose(in);
    EXPECT_STREQ(a.name, "???");
    EXPECT_STREQ(b.name, "plan.bmp");
    EXPECT_EQ(b.pixels_x, 640);
    EXPECT_EQ(b.pixels_y, 480);
    EXPECT_EQ(b.resolution, 96);
    EXPECT_DOUBLE_EQ(b.width, 16.9333);
    EXPECT_DOUBLE_EQ(b.height, 12.7);

    struct Bad {
        const char* text;
    };
    for (const Bad& bad : {Bad{"OLI_GRAPHIC_Picture_Info\r\n\xAE" "abcdefghijklmnopqrst\xAF\r\n1 2\r\n3\r\n1 1\r\n"},
                           Bad{"OLI_GRAPHIC\n\xAE" "a\xAF\n1 2\n3\n1 1\n"},
                           Bad{"OLI_GRAPHIC_Picture_Info\n\xAE" "a\xAF\n1 2\n3\nnan 1\n"},
                           Bad{"OLI_GRAPHIC_Picture_Info\n\xAE" "a\xAF\n99999999999 2\n3\n1 1\n"},
                           Bad{"OLI_GRAPHIC_Picture_Info\na\n1 2\n3\n1 1\n"}}) {
        FILE* f = testutil::Stream_With(bad.text);
        EXPECT_EQ(Read_Picture_Info(f, &a), 0) << bad.text;
        std::fclose(f);
    }
    // CRLF lines and a name of 19 characters read.
    FILE* f = testutil::Stream_With("OLI_GRAPHIC_Picture_Info\r\n\xAE" "abcdefghijklmnopqrs\xAF\r\n1 2\r\n3\r\n1.5 2.5\r\n");
    EXPECT_EQ(Read_Picture_Info(f, &a), 1);
    std::fclose(f);
    EXPECT_STREQ(a.name, "abcdefghijklmnopqrs");
    EXPECT_EQ(a.height, 2.5);

    std::snprintf(info.name, sizeof info.name, "%s", "a\xAF" "b");
    EXPECT_EQ(Write_Picture_Info(list.f(), &info), 0);
    EXPECT_EQ(list.Take(), "");
}

TEST(PictureInfo, AsksTheConversionToolInExec) {
    testutil::TempDir dir;
    testutil::ScopedEnv exec("EXEC", dir.str());
    testutil::ScopedEnv temp("TEMP", dir.str());
    const std::string tool = dir.file("rastomat.exe");
    // The tool writes its answer into the file named second and notes the
    // picture it was asked about.
    testutil::Write_File(tool, "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/asked\"\n"
                               "printf 'OLI_GRAPHIC_Picture_Info\\n\\256p.bmp\\257\\n10 20\\n72\\n3.5 7\\n' > \"$2\"\n");
    chmod(tool.c_str(), 0755);
    OLI_GRAPHIC_Picture_Info info;
    EXPECT_EQ(Get_Picture_Info("C:\\bilder\\p.bmp", &info), 1);
    EXPECT_STREQ(info.name, "p.bmp");
    EXPECT_EQ(info.pixels_y, 20);
    EXPECT_EQ(info.width, 3.5);
    EXPECT_EQ(testutil::Read_File(dir.file("asked")), "C:\\bilder\\p.bmp");
    // The answer file is removed: only the tool and its note are left.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) files += e.is_regular_file();
    EXPECT_EQ(files, 2);

    testutil::Write_File(tool, "#!/bin/sh\nexit 0\n");
    EXPECT_EQ(Get_Picture_Info("p.bmp", &info), 0);
    EXPECT_STREQ(info.name, "???");
}

TEST(ParaPieces, HeadChangeGroupEndGroupAndTabLines) {
    ListCapture list;
    EXPECT_EQ(OLI_Write_Para_Head(list.f(), nullptr), 0);
    EXPECT_EQ(OLI_Write_Field_End(list.f()), 0);
    EXPECT_EQ(list.Take(), "\n#SHOWPARA\n0x0\n4\n-1\n");

    // A change group: the end's flags (0x2000) with 0x4 and, for the space,
    // 0x1000 = 0x3004; the space line with the measure code of its word
    // (2); then the format's field lines (indent: flag 0x20).
    OliParaFormat f = *OLI_Default_Para_Format();
    f.indent = 1.3;
    OliParaEnd end = {OLI_KIND_MARKED, 0.38, OLI_MEASURE_CODE2};
    EXPECT_EQ(OLI_Write_End_Of_Text(list.f()), 0);
    EXPECT_EQ(OLI_Write_Change_Group(list.f(), &end, &f), 0);
    EXPECT_EQ(list.Take(), "#END_OF_TEXT\n0x3004\n2 0.38\n0x20\n4\n2 1.3 2 0\n");
    // No space: no 0x1000 and no space line, even when the flags hold it.
    end = {OLI_KIND_SPACE, 0.0, OLI_MEASURE_CODE1};
    EXPECT_EQ(OLI_Write_Change_Group(list.f(), &end, nullptr), 0);
    EXPECT_EQ(list.Take(), "0x4\n0x0\n4\n");

    // End groups: 0x4 taken off; a space adds 0x1000 and its line (measure
    // word 1 gives code 1, 0 gives 4).
    end = {OLI_KIND_NEW_FORMAT | OLI_KIND_CHAINED, 0.0, 0};
    EXPECT_EQ(OLI_Write_End_Group(list.f(), &end), 0);
    end = {0, -0.5, OLI_MEASURE_CODE1};
    EXPECT_EQ(OLI_Write_End_Group(list.f(), &end), 0);
    end = {0, 0.25, 0};
    EXPECT_EQ(OLI_Write_End_Group(list.f(), &end), 0);
    EXPECT_EQ(OLI_Write_End_Group(list.f(), nullptr), 0);
    EXPECT_EQ(list.Take(), "0x100\n-1\n0x1000\n1 -0.5\n-1\n0x1000\n4 0.25\n-1\n0x0\n-1\n");

    const int kinds[2] = {17, 2};
    const double positions[2] = {1.5, 3.0};
    EXPECT_EQ(OLI_Write_Tab_List(list.f(), 50, kinds, positions, 2), 0);
    EXPECT_EQ(OLI_Write_Tab_List(list.f(), 50, nullptr, positions, 1), 0);
    EXPECT_EQ(OLI_Write_Tab_List(list.f(), 50, nullptr, nullptr, -3), 0);
    EXPECT_EQ(OLI_Write_Single_Tab(list.f(), 17, 1.5), 0);
    EXPECT_EQ(list.Take(), "0x0 2\n1 1.5\n2 3\n0x0 1\n2 1.5\n0x0 0\n0x2\n1 1.5\n");

    const double many[101] = {};
    EXPECT_EQ(OLI_Write_Tab_List(list.f(), 2, nullptr, many, 101), -1);
    const double nan_stop[1] = {NAN};
    EXPECT_EQ(OLI_Write_Tab_List(list.f(), 2, nullptr, nan_stop, 1), -1);
    EXPECT_EQ(OLI_Write_Single_Tab(list.f(), 2, INFINITY), -1);
    f.factor = NAN;
    EXPECT_EQ(OLI_Write_Para_Head(list.f(), &f), -1);
    EXPECT_EQ(list.Take(), "");
    for (auto* w : {OLI_Write_Field_End, OLI_Write_End_Of_Text, Oli_Picture_End}) EXPECT_EQ(w(nullptr), -1);
}

TEST(ParaPieces, ABlockBuiltFromThemReadsAsTwoFormats) {
    ListCapture list;
    OliParaFormat f = *OLI_Default_Para_Format();
    f.mode = 3;
    OLI_Write_Para_Head(list.f(), &f);
    OLI_Write_Field_End(list.f());
    std::fputs(" erste Zeile\n", list.f());
    OLI_Write_End_Of_Text(list.f());
    f.indent = 2.0;
    OliParaEnd end = {0, 0.0, OLI_MEASURE_CODE2};
    OLI_Write_Change_Group(list.f(), &end, &f);
    OLI_Write_Field_End(list.f());
    std::fputs(" eingerückt\n"_cp, list.f());
    OLI_Write_End_Of_Text(list.f());
    end.space = 0.38;
    OLI_Write_End_Group(list.f(), &end);
    ReadList r = Read_List(list.Take());
    EXPECT_EQ(r.damaged, 0);
    ASSERT_EQ(r.blocks.size(), 1u);
    ASSERT_EQ(r.blocks[0].para.size(), 2u);
    EXPECT_EQ(r.blocks[0].para[0].text, "erste Zeile");
    EXPECT_EQ(r.blocks[0].para[0].mode, 3);
    EXPECT_EQ(r.blocks[0].para[0].indent, 0.0);
    EXPECT_EQ(r.blocks[0].para[1].indent, 2.0);
    EXPECT_EQ(r.blocks[0].para[1].space_after, 0.38);
}

}  // namespace

}  // namespace test_oli_blocks
