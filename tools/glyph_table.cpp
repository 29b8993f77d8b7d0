// glyph_table: measures the print font as the print-list viewer sets the
// texts of pictures, and prints the glyph table of the picture writer
// (kGlyphs and the line's measures in src/printlist/ioliplot_glyphs.cpp)
// as it stands there, so that a diff shows what has changed:
//
//     build/bin/glyph_table > /tmp/glyphs.txt
//
// Each byte 0x20 to 0xFF is set alone, as the viewer gives it to pango
// (OLI_Glyph), in the viewer's fonts (its own font configuration) and its
// body font at 2048 points, unhinted: a point is then a unit of the font.
// A row is the advance and the ink (left and right of the origin, above
// and below the baseline) rounded outwards. Run it again whenever the
// viewer's fonts or the glyphs it gives for the bytes change; the label
// test (tests/printlist/test_label_ink.cpp) fails while the table and the
// viewer's ink differ.
#include <cmath>
#include <cstdio>

#include "platform/oli_render_calls.h"
#include "platform/oli_render_internal.h"
#include "platform/oli_view.h"

namespace {

constexpr double kUnits = 2048.0;  // the font size, points: one unit of the font a point

struct Measured {
    long advance, left, right, top, bottom;
};

Measured Measure(PangoContext* context, PangoFontDescription* fd, unsigned char byte) {
    PangoLayout* l = oli_lib.pango_layout_new(context);
    oli_lib.pango_layout_set_font_description(l, fd);
    oli_lib.pango_layout_set_text(l, OLI_Glyph(byte), -1);
    PangoRectangle ink, logical;
    oli_lib.pango_layout_get_extents(l, &ink, &logical);
    const double base = oli_lib.pango_layout_get_baseline(l) / static_cast<double>(PANGO_SCALE);
    oli_lib.g_object_unref(l);
    const double x1 = ink.x / static_cast<double>(PANGO_SCALE), y1 = ink.y / static_cast<double>(PANGO_SCALE);
    const double x2 = x1 + ink.width / static_cast<double>(PANGO_SCALE);
    const double y2 = y1 + ink.height / static_cast<double>(PANGO_SCALE);
    Measured m{std::lround(logical.width / static_cast<double>(PANGO_SCALE)), 0, 0, 0, 0};
    if (ink.width > 0 && ink.height > 0)
        m = Measured{m.advance, static_cast<long>(std::floor(x1)), static_cast<long>(std::ceil(x2)),
                     static_cast<long>(std::ceil(base - y1)), static_cast<long>(std::ceil(y2 - base))};
    return m;
}

}  // namespace

int main() {
    if (!Oli_Load_Render_Library()) return 1;
    cairo_surface_t* s = oli_lib.cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    cairo_t* cr = oli_lib.cairo_create(s);
    PangoContext* context = Oli_Layout_Context(cr);
    PangoFontDescription* fd = oli_lib.pango_font_description_from_string(oli_render::kBodyFont);
    oli_lib.pango_font_description_set_absolute_size(fd, kUnits * PANGO_SCALE);
    for (int row = 0x20; row < 0x100; row += 4) {
        std::printf("   ");
        for (int byte = row; byte < row + 4; ++byte) {
            const Measured m = Measure(context, fd, static_cast<unsigned char>(byte));
            std::printf(" {%ld, %ld, %ld, %ld, %ld},", m.advance, m.left, m.right, m.top, m.bottom);
        }
        std::printf("  // %02X\n", row);
    }
    // The line of the layout: its height and its baseline from its top.
    PangoLayout* l = oli_lib.pango_layout_new(context);
    oli_lib.pango_layout_set_font_description(l, fd);
    oli_lib.pango_layout_set_text(l, "x", -1);
    int w = 0, h = 0;
    oli_lib.pango_layout_get_size(l, &w, &h);
    std::printf("constexpr double kLineHeight = %.1f, kBaseline = %.1f;\n", h / static_cast<double>(PANGO_SCALE),
                oli_lib.pango_layout_get_baseline(l) / static_cast<double>(PANGO_SCALE));
    oli_lib.g_object_unref(l);
    oli_lib.pango_font_description_free(fd);
    oli_lib.g_object_unref(context);
    oli_lib.cairo_destroy(cr);
    oli_lib.cairo_surface_destroy(s);
    return 0;
}
