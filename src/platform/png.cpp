// Screen snapshots as PNG files through libpng.
//
// The screen holds colour indices; each is turned into its palette colour
// with pxQCR, so a snapshot shows exactly what the palette says.  libpng
// reports errors by longjmp, so everything that needs freeing on that path
// is plain C storage owned by this file's frame.
#include "platform/png.h"

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/posix.h"
#include "platform/screen.h"

namespace {

// Rows of RGB bytes of the rectangle; the rectangle is already cut. A run
// of one colour index (most of a screen) is looked up once.
std::vector<unsigned char> Rgb_Rows(int x1, int y1, int x2, int y2) {
    const int w = x2 - x1 + 1;
    std::vector<unsigned char> rgb(static_cast<size_t>(w) * (y2 - y1 + 1) * 3);
    const int* screen = pxScreenPixels();
    unsigned char* out = rgb.data();
    int last = 0;
    unsigned char last_rgb[3] = {};
    bool any = false;
    for (int y = y1; y <= y2; y++) {
        const int* row = screen + static_cast<size_t>(y) * NPIXEL_X + x1;
        for (int x = 0; x < w; x++, out += 3) {
            if (!any || row[x] != last) {
                int r, g, b;
                pxQCR(row[x], &r, &g, &b);
                last = row[x];
                last_rgb[0] = static_cast<unsigned char>(r);
                last_rgb[1] = static_cast<unsigned char>(g);
                last_rgb[2] = static_cast<unsigned char>(b);
                any = true;
            }
            std::memcpy(out, last_rgb, 3);
        }
    }
    return rgb;
}

// Writes the rows with libpng; false on any libpng error.
bool Write_Rows(FILE *f, int w, int h, unsigned char *rgb) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    png_bytep *rows = static_cast<png_bytep *>(png_malloc(png, sizeof(png_bytep) * h));
    if (setjmp(png_jmpbuf(png))) {
        png_free(png, rows);
        png_destroy_write_struct(&png, &info);
        return false;
    }
    for (int y = 0; y < h; y++) rows[y] = rgb + static_cast<size_t>(y) * w * 3;
    png_init_io(png, f);
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_rows(png, info, rows);
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_free(png, rows);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

int Screen_Write_PNG_Rect(const char *file, int x1, int y1, int x2, int y2) {
    if (!file || !*file) return 0;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, NPIXEL_X - 1);
    y2 = std::min(y2, NPIXEL_Y - 1);
    if (x1 > x2 || y1 > y2) return 0;
    std::vector<unsigned char> rgb = Rgb_Rows(x1, y1, x2, y2);
    // A snapshot that fails leaves the older file of that name as it was.
    struct Rows {
        int w, h;
        unsigned char *rgb;
    } rows = {x2 - x1 + 1, y2 - y1 + 1, rgb.data()};
    auto write = [](FILE *f, void *context) {
        const Rows *r = static_cast<const Rows *>(context);
        return Write_Rows(f, r->w, r->h, r->rgb) ? 1 : 0;
    };
    return VEK_Write_File_Replacing(file, write, &rows);
}

int Screen_Write_PNG(const char *file) {
    return Screen_Write_PNG_Rect(file, 0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
}
