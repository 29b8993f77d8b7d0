// A picture stream and a plot stream in temporary files, read back as
// bytes. Each fixture starts from the switches the weld report uses and
// leaves no plot file open behind it.
#ifndef TESTS_PRINTLIST_PICTURE_CAPTURE_H
#define TESTS_PRINTLIST_PICTURE_CAPTURE_H

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "printlist/ioliplot.h"
#include "printlist/plotfile.h"
#include "support/testutil.h"

// Everything written to f so far; f is emptied but stays the same stream,
// since the picture state keeps pointing at it.
inline std::string Take_Stream(FILE* f) {
    std::string out = testutil::Stream_All(f);
    if (ftruncate(fileno(f), 0) != 0) ADD_FAILURE() << "cannot empty the capture stream";
    std::rewind(f);
    return out;
}

// The lines of a text, without their newlines.
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

class PictureTest : public ::testing::Test {
protected:
    void SetUp() override {
        oli_ = std::tmpfile();
        Oli_Set_Color_Mode(0);
        Oli_Set_Fill_Mode(1);
        Oli_Set_Dimension_Style(0);
        PlotFile_Close();
        PlotFile_Get_State()->colors = 5;
    }
    void TearDown() override {
        PlotFile_Close();
        if (oli_) std::fclose(oli_);
        Oli_Set_Color_Mode(1);
        Oli_Redirect_Output(nullptr);
    }
    // An up-right picture with scales sx, sy and the given rotation; the
    // head is dropped.
    void Open(double x1, double y1, double x2, double y2, double sx = 1.0, double sy = 1.0,
              double rotation = 0.0) {
        Oli_Grafik_Begin(oli_, x1, y1, x2, y2, sx, sy, rotation, nullptr);
        Take_Stream(oli_);
    }
    // Opens a colour plot file over the same extent and drops its head.
    void Open_Plot(double x1, double y1, double x2, double y2, double scale = 1.0) {
        plot_ = std::tmpfile();
        PlotFile_Open_Color(plot_, x1, y1, x2, y2, scale, 0.0, "T");
        std::fflush(plot_);
        head_end_ = std::ftell(plot_);
    }
    // Plot-file bytes written since the head or the last call.
    std::string Plot_Entities() {
        std::fflush(plot_);
        std::fseek(plot_, head_end_, SEEK_SET);
        std::string out = testutil::Stream_Rest(plot_);
        std::fseek(plot_, 0, SEEK_END);
        head_end_ = std::ftell(plot_);
        return out;
    }
    std::string Take() { return Take_Stream(oli_); }

    FILE* oli_ = nullptr;
    FILE* plot_ = nullptr;  // owned by the plot file once opened
    long head_end_ = 0;
};

#endif
