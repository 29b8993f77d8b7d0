// Stored-text helpers, the version check of versioned records, short error
// boxes, the error table, the position text of a component and the picture
// page on screen.
//
// Boxes: while the program runs in batch mode (the stand-in's batch flag,
// set for a "-refresh" run) no box may appear. The version check then stays
// silent as it always did; the short error boxes write their text to the
// console instead, so that a batch run still leaves a trace of the fault.
#include "base/stored_text.h"

#include <cassert>
#include <cctype>
#include <cstring>

#include "base/cp850.h"
#include "base/filenames.h"
#include "base/textio.h"
#include "platform/msgbox.h"
#include "platform/oli_layout.h"
#include "platform/posix.h"
#include "platform/screen.h"

char Position_Code[POSITION_CODE_SIZE];
char Position_Text[POSITION_TEXT_SIZE];
char Print_List_Suffix[STORED_TEXT_PATH_SIZE];
char Picture_Directory[STORED_TEXT_PATH_SIZE];

/* ---------------------------------------------------------- version check */

int Check_File_Version(int file_version, int program_version, int mode) {
    if (file_version <= program_version) return 1;
    if (mode == 2 || VEK_Batch_Mode()) return 0;
    if (mode == 0)
        PrintMessage("%s", "!! ACHTUNG !!\nDie Eingabedatei ist aktueller als die Programmversion\n"
                           "Bitte aktualisieren Sie das Programm.");
    else
        PrintMessage("%s", "!! ACHTUNG !!\nDie Importdatei ist aktueller als die Programmversion\n"
                           "Bitte fordern Sie eine neue Programmversion an.");
    return 0;
}

/* ------------------------------------------------------------ stored text */

int Tilde_To_Blank(char* text) {
    if (!text) return 0;
    int other = 0;
    for (char* p = text; *p; p++) {
        if (*p == '~') *p = ' ';
        else other = 1;
    }
    return other;
}

int Blank_To_Tilde(char* text) {
    if (text)
        for (char* p = text; *p; p++)
            if (*p == ' ') *p = '~';
    return 1;
}

int Trim_Blanks(char* text) {
    if (!text || !text[0]) return 0;
    size_t len = strlen(text);
    while (len > 0 && text[len - 1] == ' ') text[--len] = '\0';
    size_t lead = 0;
    while (text[lead] == ' ') lead++;
    if (lead) memmove(text, text + lead, len - lead + 1);
    return 1;
}

int Remove_Blanks(char* text) {
    if (!text) return 0;
    char* out = text;
    for (const char* p = text; *p; p++)
        if (*p != ' ') *out++ = *p;
    *out = '\0';
    return text[0] ? 1 : 0;
}

void Pad_Blank(char* text, int width) {
    if (!text) return;
    assert(width >= 1);
    if (width < 1) return;
    size_t len = strlen(text);
    for (size_t i = len; i < (size_t)(width - 1); i++) text[i] = ' ';
    text[width - 1] = '\0';
}

void Upper_Case(char* text) {
    if (!text) return;
    for (char* p = text; *p; p++) *p = (char)toupper((unsigned char)*p);
}

/* -------------------------------------------------------- short messages */

void Show_Message_Text(const char* text) {
    if (!text) text = "";
    if (VEK_Batch_Mode()) {
        fprintf(stderr, "%s\n", text);
        return;
    }
    Init_Message();
    Fill_Message("%s", text);
    Draw_Message();
}

int Read_Error_Message(void) {
    Show_Message_Text("Lesefehler !!!");
    return 101;
}

int Write_Error_Message(void) {
    Show_Message_Text("Schreibfehler !!!");
    return 102;
}

int Data_Error_Message(void) {
    Show_Message_Text("Datenfehler !!!");
    return 103;
}

/* ------------------------------------------------------------ error table */

FILE* Open_Error_Table_File(const char* name) {
    FILE* stream = Fopen_Base(name, "w+");
    if (!stream) return nullptr;
    if (fputs("#SHOWTABLE\n0 0 0\n0 0 -1 -1\n", stream) < 0) {
        fclose(stream);
        return nullptr;
    }
    return stream;
}

int Write_Error_Line(FILE* stream, int code, const char* text) {
    if (stream) fprintf(stream, " %s\n", text ? text : "");
    return code;
}

static int table_colours_done = 0;

void Init_Error_Table_Colours(void) {
    if (table_colours_done) return;
    table_colours_done = 1;
    int colours[OLI_TABLE_COLOUR_COUNT] = {0};
    if (!getOLITableColours(colours)) return;
    colours[0] = colours[1] = Nearest_Color_Index(240, 240, 240);
    colours[4] = BUTTON_CI;
    setOLITableColours(colours);
}

void Show_Error_Table(FILE* stream) {
    if (!stream) return;
    static int sheet[13];
    static int sheet_done = 0;
    fseek(stream, 0, SEEK_END);
    fputs("#END_OF_TEXT\n", stream);
    rewind(stream);
    Init_Error_Table_Colours();
    if (!sheet_done) {
        const int w = NPIXEL_X, h = NPIXEL_Y;
        const int head[7] = {512, 5, 5, w - 12, h - 12, (w - 7) / 2, (h - 7) / 2};
        memcpy(sheet, head, sizeof head);
        sheet_done = 1;
    }
    OLITable* table = readOLITableFromFILE(stream);
    OLITablePropSheet("Fehlermeldungen", 0, table, sheet);
    deleteOLITable(table);
}

// Copies the whole stream from its start into the list. 0, or 1 when a
// write failed.
static int Copy_Lines(FILE* list, FILE* from) {
    rewind(from);
    char piece[512];
    while (fgets(piece, sizeof piece, from))
        if (fputs(piece, list) < 0) return 1;
    return 0;
}

int Append_Error_Table(FILE* list, FILE* errors) {
    if (!list || !errors) return 1;
    if (Copy_Lines(list, errors) != 0 || fputs("#END_OF_TEXT\n", list) < 0) return 1;
    return ferror(list) || ferror(errors) ? 1 : 0;
}

int Append_Proof_Failed_Text(FILE* list, FILE* errors) {
    if (!list) return 1;
    if (fputs(" ╬bDer Nachweis kann nicht geführt werden ==>╬r\n"_cp, list) < 0) return 1;
    if (fputs("#END_OF_TEXT\n", list) < 0) return 1;
    if (errors && (Copy_Lines(list, errors) != 0 || fputs("#END_OF_TEXT\n", list) < 0)) return 1;
    return ferror(list) || (errors && ferror(errors)) ? 1 : 0;
}

/* ------------------------------------------------------- guillemet lines */

int Read_Guillemet_Field(FILE* stream, char* buffer) {
    if (!stream || !buffer) return 1;
    buffer[0] = '\0';
    int c;
    do c = fgetc(stream);
    while (c != EOF && isspace(c));
    if (c != 0xAE) {
        if (c != EOF) ungetc(c, stream);
        return 1;
    }
    int n = 0;
    while (n < 100 && (c = fgetc(stream)) != EOF && c != 0xAF) buffer[n++] = (char)c;
    buffer[n] = '\0';
    if (n == 0) {
        // an empty field «» stops the directive: the » stays in the stream
        if (c == 0xAF) ungetc(c, stream);
        return 1;
    }
    if (n == 100) {
        c = fgetc(stream);
        if (c != 0xAF && c != EOF) ungetc(c, stream);
    }
    return 0;
}

int Write_Guillemet_Line(FILE* stream, const char* text) {
    if (!stream || !text) return 1;
    if (fprintf(stream, "«%s»\n"_cp, text) < 0) return 1;
    return ferror(stream) ? 1 : 0;
}

/* --------------------------------------------------------- position text */

// A carriage return that no line feed follows still ends the code or text:
// it would break the print-list line the position is written into.
static void Copy_Cut(char* target, int size, const char* source, size_t n) {
    const size_t to_line_end = strcspn(source, "\r\n");
    if (n > to_line_end) n = to_line_end;
    if (n > (size_t)(size - 1)) n = (size_t)(size - 1);
    memcpy(target, source, n);
    target[n] = '\0';
}

int Read_Code_and_Text_Path(const char* path) {
    Position_Code[0] = '\0';
    Position_Text[0] = '\0';
    if (!path) return 1;
    char native[VEK_MAX_PATH + 1];
    if (!VEK_Native_Path(native, sizeof native, path)) return 1;
    FILE* stream = VEK_Open_Reading(native, VEK_READ_CAP_SMALL, nullptr);
    if (!stream) return 1;
    // Whole lines: a line longer than its field is cut, never read on as the
    // next line.
    char first[101], second[11], third[101];
    int result = 1;
    if (Read_Line(stream, first, sizeof first) == READ_LINE_EOF) {
        fclose(stream);
        return 1;
    }
    if (Read_Line(stream, second, sizeof second) != READ_LINE_EOF) {
        Copy_Cut(Position_Code, POSITION_CODE_SIZE, second, strlen(second));
        if (Read_Line(stream, third, sizeof third) != READ_LINE_EOF) {
            Copy_Cut(Position_Text, POSITION_TEXT_SIZE, third, strlen(third));
            result = 0;
        }
    } else {
        const char* colon = strchr(first, ':');
        if (colon) {
            Copy_Cut(Position_Code, POSITION_CODE_SIZE, first, (size_t)(colon - first));
            Copy_Cut(Position_Text, POSITION_TEXT_SIZE, colon + 1, strlen(colon + 1));
        } else {
            Copy_Cut(Position_Code, POSITION_CODE_SIZE, first, strlen(first));
        }
        result = 0;
    }
    fclose(stream);
    return result;
}

/* ------------------------------------------------------------------ pages */

// The window library's drawing-file painter is not part of the stand-in
// yet: the page keeps the name it would draw and where.
static char rpc_file_drawn[STORED_TEXT_PATH_SIZE];
static int rpc_x_drawn, rpc_y_drawn;

static void Draw_Drawing_File(const char* file, int x, int y) {
    snprintf(rpc_file_drawn, sizeof rpc_file_drawn, "%s", file);
    rpc_x_drawn = x;
    rpc_y_drawn = y;
}

void Show_Picture_Page(const char* name, int x, int y) {
    if (!name) name = "";
    const int w = NPIXEL_X, h = NPIXEL_Y;
    pxFgc(Nearest_Color_Index(235, 245, 225));
    pxRect(7, 42, w - 8, h - 8);
    // Every name is bounded: a name that does not fit is taken as absent.
    char path[STORED_TEXT_PATH_SIZE], file[STORED_TEXT_PATH_SIZE];
    int n_path = snprintf(path, sizeof path, "%s\\%s.BMP", Picture_Directory, name);
    int n_bmp = snprintf(file, sizeof file, "%s.BMP", name);
    const int fits = n_path >= 0 && n_path < (int)sizeof path && n_bmp >= 0 && n_bmp < (int)sizeof file;
    if (fits && _access(path, 0) == 0) {
        pxDrawTransparentDIB(file, 5, 40, w - 6, h - 6, 210, -1, -1, -1, -1);
    } else {
        int n_rpc = snprintf(file, sizeof file, "%s.RPC", name);
        if (n_rpc >= 0 && n_rpc < (int)sizeof file) Draw_Drawing_File(file, x, y);
    }
    pxFgc(Nearest_Color_Index(170, 170, 170));
    pxText(w - 71, h - 10, name, -1);
}

void Stored_Text_Nothing(void) {}
