// Image button choosers: two pop-up sheets that open at a clicked place and
// let the user pick one of n images of one bitmap strip (a row of image
// buttons, or a column with a text beside each); the standard visual-check
// button; the initialiser of a switch set held as bits.
#ifndef DIALOGS_CHOOSERS_H
#define DIALOGS_CHOOSERS_H

// What a chooser shows: the wished top-left corner of its sheet (moved onto
// the screen), the title, the size of one image, the number of images, one
// tool tip per image (also the texts beside the images of the column
// chooser; null entries or a null array: none) and the bitmap file with the
// n images side by side (one above the other for the column chooser).
//
// Both return the chosen image 1..n, or 99 when the user clicks on the
// sheet beside the buttons or outside it (or closes the window); a code
// n + 1 comes back as -1. The mouse starts where the user left it in the
// chooser the last time (relative to the sheet), at first on the first
// button. In batch mode 99 at once, with the title on stderr.
int Choose_Image_Button_Row(int click_x, int click_y, int sheet_x, int sheet_y, const char *title,
                            int button_width, int button_height, int n, const char *const *tips,
                            const char *bitmap);
int Choose_Image_Button_List(int click_x, int click_y, int sheet_x, int sheet_y, const char *title,
                             int button_width, int button_height, int n, const char *const *tips,
                             const char *bitmap);

// The visual-check button at (x, y) with its built-in face of 35 x 20
// pixels and the tool tip "optische Kontrolle"; returns its id.
int Add_Visual_Check_Button(int x, int y, int code);

// A set of count switches held as bits (bit i is switch i), all 0 at start.
struct Switch_Bit_Set {
    int count;
    int value;
    int reserved;
    unsigned char *bits;  // (count + 7) / 8 bytes
};
// Fills the set: count, value, reserved 0 and a fresh zeroed block of bits
// (ITools_Realloc; the caller frees it with ITools_Free; what the set held
// before is not read, so the set may be uninitialised). Returns 0; the bits
// are null for count < 1.
int Init_Switch_Bit_Set(Switch_Bit_Set *set, int count, int value);

#endif
