// Stand-in of the desktop's print-list viewer and printer.
//
// A print list is read into blocks (OLI_Read_Document) and rendered onto
// A4 pages (oli_render.cpp): a PDF for a person to read and print, one page
// as a PNG, or pages drawn into pixels for the viewer on the stand-in's
// screen (oli_view_screen.cpp). docs/printlist-viewer.md lists the glyphs of
// the print font's formula bytes and how to get a PNG.
#ifndef PLATFORM_OLI_VIEW_H
#define PLATFORM_OLI_VIEW_H

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/oli_source.h"

// The tab step: tab stops and hanging widths whose measure code is not 1
// count in steps of this many cm (docs/printlist-layout.md).
constexpr double OLI_TAB_STEP_CM = 0.3;

// Field lines of a paragraph format, values in cm (tab stops and the
// hanging width converted from their measure).
struct OliViewFormat {
    int flags = 0;
    int mode = 4;                 // font code of the paragraph
    double space_before = 0.0;
    double indent = 0.0;
    double indent2 = 0.0;
    std::vector<double> tabs;     // tab stops from the paragraph's left edge
    double hanging = 0.0;         // hanging width (tab kind 2), 0 when none
};

// One text line of a "#SHOWPARA" block under its format; space_after is
// the space a change group puts before what follows (0 when none).
struct OliParaLine {
    std::string text;
    OliViewFormat format;
    double space_after = 0.0;
    bool starts = false;          // first line under its format
};

// One graphic record of a picture: its number, the numbers of its line (a
// polygon's pairs included) and the text between « and », or the rest of
// the line for records that carry a path.
struct OliRecord {
    int number = 0;
    std::vector<double> values;
    std::string text;
    std::string data;             // record 75: the bytes of an embedded picture
};

enum OliBlockKind {
    OLI_BLOCK_CONTENTS,
    OLI_BLOCK_NEWPAGE,
    OLI_BLOCK_TABLE,
    OLI_BLOCK_PARA,
    OLI_BLOCK_GRAFIC,
    OLI_BLOCK_YPOS,
    OLI_BLOCK_MARGINS,
    OLI_BLOCK_RESERVE,
    OLI_BLOCK_BOOKMARK,
    OLI_BLOCK_STOREYPOS,
    OLI_BLOCK_RESTOREYPOS,
    OLI_BLOCK_OTHER,              // a known keyword without effect on the page
};

struct OliBlock {
    OliBlockKind kind = OLI_BLOCK_OTHER;
    int word = 0;                 // mode word, bookmark level, slot index
    double value = 0.0;           // distance or margin in cm
    std::string text;             // contents entry, bookmark text
    std::vector<std::string> titles;       // table titles, picture captions 1-3
    std::vector<std::string> below;        // picture captions 4-6
    std::vector<std::string> lines;        // table text lines
    int columns = 0;                       // table columns, 0 for running text
    int head_rows = 0;                     // table: the head rows (first two layout numbers)
    std::vector<OliParaLine> para;
    double extent[4] = {0, 0, 0, 0};       // picture: x1 x2 y1 y2 on paper, cm
    double area = 0.0;                     // picture: paper area (cm²) its size number asks for, 0 none
    // Picture: the lines of its graphic records as the list gives them, read
    // into records only when it is drawn (OLI_Picture_Records): read at
    // once, the records of a long list take several times its size. Its
    // own lines up to its end line, then each run of lines drawn on top of
    // it, a NUL byte before each run.
    std::string record_lines;
    bool head_form = false;                // picture: the picture-head writer's (it may end with "0")
    int record_count = 0;                  // picture: its records (those left out as damage not counted)
    int symbol_count = 0;                  // picture: of them, the stored symbols (record 27)
};

// The open file of a list whose blocks are read again where they are drawn
// (OLI_Open_Document).
struct OliListFile;

struct OliDocument {
    std::vector<OliBlock> blocks;
    // A list opened rather than read (OLI_Open_Document): its blocks are not
    // kept (`blocks` stays empty) but read again from its file, one at a
    // time, where the renderer draws them; null for a list read into
    // memory. Copies of the document share the file.
    std::shared_ptr<const OliListFile> file;
    size_t opened_blocks = 0;     // the blocks of an opened list
    bool opened_contents = false; // it has a contents entry; the first one's text:
    std::string first_contents;
    int damaged = 0;              // blocks cut short or refused, lines cut, bytes past the end
    int cut_block = 0;            // of them, 1 for the block the list ends inside (it broke off there)
    long long past_end = 0;       // bytes from a NUL byte on: no part of a list, not read
    bool out_of_step = false;     // the list's successor waits beside it (OLI_LIST_PENDING_SUFFIX)
    // The list ends with its structure open (OLI_List_Open_At_End), or
    // inside a paragraph, table or picture: it was cut off, between blocks
    // or not, and pages are missing. Why, in words.
    std::string cut;
    // The first fault the strict structure check finds ("line N: what",
    // OLI_Check_Structure), "" when it calls the list sound: a list that is
    // not as its writers write it is not to be trusted as it reads.
    std::string refused;
    // Memory ran out while the list was read: the blocks read are not the
    // list, and nothing is to be shown or written of them.
    bool out_of_memory = false;
    // The list is in UTF-8, not in code page 850 (re-encoded after it was
    // written): its letters and signs read wrongly, and whatever the
    // strict check refuses follows from that.
    bool utf8 = false;
    // The identity of the input the list was made from (oli_source.h), when
    // it carries one; and, once the list's place is known
    // (OLI_Judge_Beside), the name of the input file beside it when that
    // holds other bytes: the list is not its input's.
    OliSource source;
    std::string not_of_input;
};

// What a whole list must close before it ends: a bookmark group, opened by
// level 19 and closed by 20, as the writers put one around a load case's
// chapter. A list that ends with one open was cut off after the block that
// opened it.
inline constexpr int OLI_BOOKMARK_OPENS_GROUP = 19;
inline constexpr int OLI_BOOKMARK_CLOSES_GROUP = 20;

// A run that writes a component's print list and its plot file puts the new
// list beside the old one under the list's name and this suffix before it
// replaces the plot file, and renames it to the list's name last: while it
// stands there, the list and the plot file beside it may be of two runs.
inline constexpr const char OLI_LIST_PENDING_SUFFIX[] = ".new";
// True when the successor of the list at `path` waits beside it: its
// pending name, plain or with a run's tag ("LIST.3f09a1c2.new", a run of
// two at once).
bool OLI_List_Out_Of_Step(const char* path);
// The successor's path (native), "" when none waits.
std::string OLI_List_Successor(const char* path);
// The length of a run's tag in its own temporary names.
inline constexpr size_t OLI_RUN_TAG_LENGTH = 8;
// Whether `name` (a name in a folder) is a temporary of the file named
// `base` with `suffix`: the plain one ("" in *tag) or a run's own, whose
// tag of OLI_RUN_TAG_LENGTH lower-case hexadecimal digits stands between
// the name and the suffix after a dot (in *tag).
bool OLI_Run_Temporary_Of(const std::string& name, const std::string& base, const std::string& suffix,
                          std::string* tag);
// What the files beside the list at `path` say of the document read from
// it: its successor waiting (out_of_step), an input file that is not the
// one it was made from (not_of_input).
void OLI_Judge_Beside(const char* path, OliDocument* doc);

// What the pages of a document must say about it (UTF-8): that the list is
// damaged, cut off or refused by the strict check and the pages may be
// incomplete, or that it was read while a run that replaces it with its
// plot file was cut off. Empty for a sound list.
std::string OLI_Page_Mark(const OliDocument& doc);

// A stored symbol: a drawing file of the viewer's symbol directory that a
// picture's record 27 names. Its records are paper cm, y upwards from its
// lower left corner; width and height in cm (docs/printlist-viewer.md).
struct OliSymbol {
    double width = 0.0, height = 0.0;
    std::vector<OliRecord> records;
};

// Reads a symbol file ("OCM 1", the size line, graphic records up to "-1").
// Returns 1 when read, 0 for a null stream or a file of another kind; the
// records read before damage are kept.
int OLI_Read_Symbol(FILE* stream, OliSymbol* symbol);

// The graphic records of picture block b, its own and those drawn on top
// of it, read from its lines as the reader read them (a record with a
// number that does not fit left out). 1 when read; 0 for no memory
// (*records is then empty).
int OLI_Picture_Records(const OliBlock& b, std::vector<OliRecord>* records);

// Reads a whole print list from the stream's position. Damage (cut blocks,
// unknown keywords, absurd counts, lines beyond OLI_MAX_LINE) is skipped;
// what reads is kept. The list ends at a NUL byte: what follows is counted
// in past_end, not read. Lines may end with LF or CRLF. The strict check
// runs over the same lines (doc->refused). Returns the number of blocks, 0
// for a null stream and when memory runs out (doc->out_of_memory set, no
// block kept).
int OLI_Read_Document(FILE* stream, OliDocument* doc);

// Reads a print list as OLI_Read_Document does, with the same verdicts, but
// keeps none of its blocks: the document keeps the list's file open (a
// descriptor of its own: the stream may be closed) and the renderer reads
// each block again from it where it draws it, so that a list of any length
// is drawn in the memory its longest block takes. The bytes of the file as
// long as it is when opened are the list. The stream must be a regular
// file; one that is not is read into memory. Returns the number of blocks,
// 0 for a null stream and when memory runs out (doc->out_of_memory set).
int OLI_Open_Document(FILE* stream, OliDocument* doc);

// The blocks of a document, kept in memory or not.
size_t OLI_Block_Count(const OliDocument& doc);

// True when the file of an opened list is known to have changed since the
// reader read it: a reading of its blocks found other bytes than the reader
// read (another program rewrote it in place or cut it), or the file
// changed while the reader read it. Nothing more is drawn of the document
// then: the renderer's calls fail (errno ESTALE, and OliWriteOutcome's
// `changed`), never laying new bytes out on the old list's pages; the list
// must be opened again. False for a list read into memory.
bool OLI_List_Changed(const OliDocument& doc);
// Whether the list at `path` (null: only the file held) is no longer the
// one opened: OLI_List_Changed, or the file held has another size or time
// of change than when it was opened (grown, cut, rewritten, touched), or
// `path` now names another file (one put in place by a rename). A path
// that names nothing leaves the list held as it is. False for a list read
// into memory.
bool OLI_List_File_Differs(const OliDocument& doc, const char* path);

// Opens the print list of a path (a regular file within the list's size
// cap) into doc (OLI_Open_Document), noting whether its successor waits
// beside it; false, with the reason on stderr and in *refusal (when given),
// when it cannot be opened.
bool OLI_Read_Document_File(const char* path, OliDocument* doc, int* refusal);

// The strict structure check of a print list (docs/printlist-viewer.md):
// every line belongs to a block of a known keyword and every block is
// complete in the form its writers give it; in a picture every record is
// known and carries its numbers, and its elements (" 30" ... " 31") are
// closed before another opens and before the picture ends; the list closes
// its bookmark groups before it ends. Returns 1 for a
// sound list; 0 with the first fault ("line N: what") in `fault` (which
// may be null) otherwise, and for a null stream.
int OLI_Check_Structure(FILE* stream, std::string* fault);

// Turns a print-list text (code page 850 with markup) into pango markup in
// UTF-8: bold, underline, sub- and superscript, colours, headings, tabs.
// The print font's formula bytes become their glyphs.
std::string OLI_Markup_To_Pango(const std::string& text);

// The UTF-8 text of one code page 850 byte in the print font.
const char* OLI_Glyph(unsigned char byte);
// True when the print font draws the byte as a sign of its own where code
// page 850 has another character (0x88, "ê", as an arrow); false for every
// other byte, those both draw alike (0xF8, "°") among them.
bool OLI_Glyph_Is_Print_Sign(unsigned char byte);

// The visible text of a marked-up line in UTF-8 (bookmarks, captions).
std::string OLI_Plain_Text(const std::string& text);

// What writing a file told: the errno of the step that failed (0 when none
// is known), and whether the new file stands under its name but its folder
// could not be synced, so that it may not survive a power cut (error then
// says why).
struct OliWriteOutcome {
    int error = 0;
    bool unconfirmed = false;
    // The list's file changed while it was laid out or drawn
    // (OLI_List_Changed): no file was written, an old one stays as it was.
    bool changed = false;
};

// True when the libraries that draw the pages and the pages' fonts are at
// hand; false when not, said once on stderr ("no print-list pages: font
// ... missing"): then no page can be drawn, and that is all there is to
// tell of any list.
bool OLI_Renderer_Ready(void);

// Renders a document to a PDF file with bookmarks, every page marked with
// OLI_Page_Mark when that says anything. The file is replaced whole or not
// at all (VEK_Replace_File). Returns the number of pages when the new file
// stands (confirmed on disc or not: *outcome tells), 0 when it cannot be
// written (an old file of the name then stays as it was; *outcome says
// why: ENOMEM when memory ran out, `changed` when the list's file changed
// since it was opened).
int OLI_Render_PDF(const OliDocument& doc, const char* pdf_path, OliWriteOutcome* outcome = nullptr);

// Where the renderer's libraries cannot go on for want of memory (glib ends
// the process when it cannot make a thread, and pango makes one for each new
// font pattern), the temporaries of the files being written are removed and
// `ends` is called; it must not return. Without one glib ends the process as
// it would (after the temporaries are gone).
void OLI_On_Library_Out_Of_Memory(void (*ends)(void));

// Renders page `page` (1-based) at `dpi` to a PNG file, replaced whole or
// not at all. Returns 1 when the new file stands (*outcome as above), 0
// when the page does not exist or the file cannot be written.
int OLI_Render_PNG(const OliDocument& doc, int page, double dpi, const char* png_path,
                   OliWriteOutcome* outcome = nullptr);

// A page drawn into pixels: 0xRRGGBB values, row by row.
struct OliPageImage {
    int width = 0, height = 0;
    std::vector<unsigned> rgb;
};

// The pages of a document laid out once, to be drawn one at a time while
// the document lives (the set refers to it).
struct OliPageSet;
// Lays the document out: its page set, or null when it has no page, the
// page-drawing libraries cannot be loaded, memory runs out (errno is then
// ENOMEM) or the list's file changed since it was opened (ESTALE,
// OLI_List_Changed); else errno is 0.
OliPageSet* OLI_Open_Page_Set(const OliDocument& doc);
// The number of pages (0 for null).
int OLI_Page_Set_Count(const OliPageSet* set);
// Draws page `page` (1-based) at `dpi` into the image, at the cost of that
// page alone wherever it stands. 1 when drawn; 0 for a page that does not
// exist, a resolution outside 10 to 600 dpi, no memory (errno ENOMEM, and
// the image is emptied) or a list whose file changed since it was opened
// (ESTALE, emptied too: OLI_List_Changed; the set is of no use any more).
int OLI_Render_Page_Image(OliPageSet* set, int page, double dpi, OliPageImage* image);
// Draws page `page` (1-based) of the set at `dpi` to a PNG file, replaced
// whole or not at all (as OLI_Render_PNG).
int OLI_Render_Page_PNG(OliPageSet* set, int page, double dpi, const char* png_path,
                        OliWriteOutcome* outcome = nullptr);
// Frees the set (null is accepted).
void OLI_Close_Page_Set(OliPageSet* set);

// A text the renderer set on a page: its box in cm from the page's upper
// left corner, its visible text in UTF-8, and where it comes from.
enum OliTextKind { OLI_TEXT_PARA, OLI_TEXT_TABLE, OLI_TEXT_TITLE, OLI_TEXT_PICTURE, OLI_TEXT_FOOT };
struct OliTextBox {
    int page = 0;
    double x = 0, y = 0, w = 0, h = 0;
    std::string text;
    OliTextKind kind = OLI_TEXT_PARA;
    int block = -1;        // index of the block in the document, -1 for the foot line
    int line = -1;         // paragraph line or table row of the block
    int row = 0;           // row of a line that runs over several rows
    bool heading = false;  // the line heads what follows it
};

// Lays the document out exactly as OLI_Render_PDF draws it and lists every
// text it sets. Returns the page count, 0 for no boxes list, when memory
// runs out (errno ENOMEM, the list emptied) or when the list's file changed
// since it was opened (ESTALE, emptied: OLI_List_Changed).
int OLI_Render_Text_Boxes(const OliDocument& doc, std::vector<OliTextBox>* boxes);

// The PDF the viewer writes beside a list: the list's name with ".pdf"
// for its extension ("X_01.OLI" gives "X_01.pdf").
std::string OLI_Pdf_Beside(const std::string& list);

// Reads the list `list_path` and writes its PDF; pdf_path null puts it
// beside the list with the extension ".pdf". Returns the page count, 0 when
// the list cannot be read or the PDF not written (a message goes to stderr).
int OLI_View_File(const char* list_path, const char* pdf_path);

// The desktop's viewer and printer: `prefix` is the component's path
// prefix, `path` the print list. The viewer shows the rendered pages on the
// screen, one at a time (the next and previous page by the bar's buttons,
// the cursor and page keys or the wheel), until the user closes it with its
// button, Escape or the window's close request; the screen under it comes
// back. The printer writes the list's PDF beside it, records what it
// printed and tells in a message box where the PDF is. Return 1 when shown
// or printed, 0 when the list could not be rendered (a message box says
// so).
int Quick_OLI_View(const char* prefix, const char* path);
int Quick_OLI_Print(const char* prefix, const char* path);

// What Quick_OLI_Print did last (for tests and scripted sessions).
struct OliPrintRecord {
    int count = 0;                // lists printed so far
    int pages = 0;                // pages of the last one
    std::string list;             // the list printed last
    std::string pdf;              // its PDF
};
const OliPrintRecord* OLI_Last_Print(void);

#endif
