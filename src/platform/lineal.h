// Rulers of the stand-in window library: a scale along the top and the left
// edge of a viewport, labelled through the caller's transforms between world
// coordinates and pixels. The settings are kept until changed; Draw_Lineal
// draws with the current ones. One instance, single-threaded.
#ifndef PLATFORM_LINEAL_H
#define PLATFORM_LINEAL_H

typedef int (*Lineal_World_To_Pixel)(double world);
typedef double (*Lineal_Pixel_To_World)(int pixel);

struct Lineal_State {
    int type;                // kind of ruler (the profile drawings pass 15)
    int colour_1, colour_2;  // ruler background and marks
    int width;               // line width of the marks
    int viewport_kind;
    int x1, y1, x2, y2;      // viewport the rulers frame
    Lineal_World_To_Pixel to_pixel_x, to_pixel_y;
    Lineal_Pixel_To_World to_world_x, to_world_y;
    int draw_count;          // Draw_Lineal calls that drew
};

void Set_Lineal_Type(int type);
void Set_Lineal_Color(int colour_1, int colour_2, int width);
void Set_Lineal_Viewport(int kind, int x1, int y1, int x2, int y2);
void Set_Lineal_Transform(Lineal_World_To_Pixel to_pixel_x, Lineal_World_To_Pixel to_pixel_y,
                          Lineal_Pixel_To_World to_world_x, Lineal_Pixel_To_World to_world_y);
// Draws a 10-pixel band along the top and the left edge of the viewport in
// colour 1 with a mark in colour 2 at every whole world unit the transforms
// put inside the band (at most 1000 marks per edge). Nothing without all four
// transforms or for an empty viewport.
void Draw_Lineal(void);
// The current settings (for tests).
const Lineal_State* Get_Lineal_State(void);

#endif
