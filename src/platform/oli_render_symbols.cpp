// Reading and drawing of the picture library's print-list pieces in the
// viewer stand-in: raster pictures and the frame escapes of text lines.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

#include "platform/oli_lines_internal.h"
#include "platform/oli_render_calls.h"
#include "platform/oli_symbols_internal.h"
#include "platform/posix.h"

namespace {

constexpr unsigned kRasterFactors = 0x1, kRasterSize = 0xE, kRasterResolution = 0x30, kRasterEmbed = 0x1000;
constexpr size_t kMaxEmbedded = 64u << 20;  // bytes; a bigger picture is damage

int Hex_Digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The bytes of hex pairs appended to out; false at anything else.
bool Hex_Bytes(const std::string& text, std::string* out) {
    if (text.size() % 2 != 0) return false;
    for (size_t k = 0; k + 1 < text.size(); k += 2) {
        int hi = Hex_Digit(text[k]), lo = Hex_Digit(text[k + 1]);
        if (hi < 0 || lo < 0) return false;
        out->push_back(static_cast<char>(hi << 4 | lo));
    }
    return true;
}

// Reads a PNG from the bytes of a string for cairo.
struct Png_Source {
    const std::string* data;
    size_t at;
};

cairo_status_t Read_Png(void* closure, unsigned char* out, unsigned int length) {
    Png_Source* s = static_cast<Png_Source*>(closure);
    if (s->data->size() - s->at < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(out, s->data->data() + s->at, length);
    s->at += length;
    return CAIRO_STATUS_SUCCESS;
}

// The PNG image of an embedded or named picture, or null.
cairo_surface_t* Raster_Image(const OliRecord& r, bool embedded) {
    static const char kPng[] = "\x89PNG";
    std::string bytes;
    if (embedded) {
        bytes = r.data;
    } else {
        FILE* f = VEK_Open_Reading(r.text.c_str(), static_cast<long long>(kMaxEmbedded), nullptr);
        if (!f) return nullptr;
        char buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0 && bytes.size() < kMaxEmbedded) bytes.append(buf, n);
        std::fclose(f);
    }
    if (bytes.compare(0, 4, kPng) != 0) return nullptr;
    Png_Source src{&bytes, 0};
    cairo_surface_t* img = oli_lib.cairo_image_surface_create_from_png_stream(Read_Png, &src);
    if (oli_lib.cairo_surface_status(img) == CAIRO_STATUS_NO_MEMORY) {
        oli_lib.cairo_surface_destroy(img);
        throw std::bad_alloc();  // a picture the memory left cannot hold is no unreadable picture
    }
    if (oli_lib.cairo_surface_status(img) != CAIRO_STATUS_SUCCESS || oli_lib.cairo_image_surface_get_width(img) < 1 ||
        oli_lib.cairo_image_surface_get_height(img) < 1) {
        oli_lib.cairo_surface_destroy(img);
        return nullptr;
    }
    return img;
}

// The name of a picture that cannot be shown, small, at the current point.
void Name_Text(cairo_t* cr, const std::string& name, double size_pt) {
    std::string utf8;
    for (unsigned char c : name) utf8 += c < 0x20 ? "" : OLI_Glyph(c);
    PangoContext* context = Oli_Text_Context(cr);
    PangoLayout* l = oli_lib.pango_layout_new(context);
    oli_lib.g_object_unref(context);
    PangoFontDescription* fd = oli_lib.pango_font_description_from_string("DejaVu Sans");
    oli_lib.pango_font_description_set_absolute_size(fd, size_pt * PANGO_SCALE);
    oli_lib.pango_layout_set_font_description(l, fd);
    oli_lib.pango_font_description_free(fd);
    oli_lib.pango_layout_set_text(l, utf8.c_str(), -1);
    oli_lib.pango_cairo_show_layout(cr, l);
    oli_lib.g_object_unref(l);
}

bool Sane(double v) { return std::isfinite(v) && std::fabs(v) < 1e5; }

// The numbers of a frame group "╬{╬L ...}" or "╬{╬R ...}" after its letter.
std::vector<double> Group_Numbers(const std::string& text, size_t from, size_t to) {
    return Oli_Numbers(text.substr(from, to - from), 6);
}

void Frame_Stroke(cairo_t* cr, double width) {
    oli_lib.cairo_set_source_rgb(cr, 0, 0, 0);
    oli_lib.cairo_set_line_width(cr, width);
    oli_lib.cairo_set_dash(cr, nullptr, 0, 0);
    oli_lib.cairo_stroke(cr);
}

void Draw_Rectangle(cairo_t* cr, const OliLineFrames& f, double bottom) {
    const double x1 = f.left + f.a * f.width - f.pad_x, x2 = f.left + f.b * f.width + f.pad_x;
    oli_lib.cairo_save(cr);
    oli_lib.cairo_rectangle(cr, x1, f.top - f.pad_y, x2 - x1, bottom - f.top + 2 * f.pad_y);
    Frame_Stroke(cr, f.style >= 3840 ? 1.2 : 0.5);
    oli_lib.cairo_restore(cr);
}

}  // namespace

bool OLI_Is_Head_Picture_End(const std::string& line) {
    size_t a = line.find_first_not_of(" \t");
    return a != std::string::npos && line[a] == '0' && line.find_first_not_of(" \t", a + 1) == std::string::npos;
}

void OLI_Take_Raster_Data(Oli_Line_Window& lines, size_t* i, OliRecord* record) {
    if (record->values.empty() || !(static_cast<long long>(record->values[0]) & kRasterEmbed)) return;
    if (!lines.Has(*i) || lines[*i].empty() || lines[*i][0] != '{') return;
    std::string data;
    for (size_t k = *i; lines.Has(k) && data.size() < kMaxEmbedded; k++) {
        std::string line = lines[k];
        if (k == *i) line.erase(0, 1);
        size_t close = line.find('}');
        if (!Hex_Bytes(line.substr(0, close), &data)) return;
        if (close != std::string::npos) {
            if (line.find_first_not_of(" \t", close + 1) != std::string::npos) return;
            record->data = std::move(data);
            *i = k + 1;
            return;
        }
    }
}

void OLI_Draw_Raster(cairo_t* cr, const OliRecord& r, double x, double y, double cm_pt) {
    const std::vector<double>& v = r.values;
    if (v.size() < 3 || !(v[0] >= 0 && v[0] < 4294967296.0)) return;
    const unsigned flags = static_cast<unsigned>(v[0]);
    size_t k = 3;
    double dpi = 300, fx = 1, fy = 1, width = -1, angle = 0;
    if (flags & kRasterResolution) dpi = k < v.size() ? v[k++] : dpi;
    if (flags & kRasterFactors) {
        fx = k < v.size() ? v[k++] : fx;
        fy = k < v.size() ? v[k++] : fy;
    }
    if (flags & kRasterSize) {
        width = k < v.size() ? v[k++] : width;
        angle = k < v.size() ? v[k++] : angle;
    }
    if (!(dpi >= 1 && dpi <= 10000) || !Sane(fx) || !Sane(fy) || !Sane(angle) || !(width < 1e4)) return;
    cairo_surface_t* img = Raster_Image(r, (flags & kRasterEmbed) != 0);
    const double pw = img ? oli_lib.cairo_image_surface_get_width(img) : 0, ph = img ? oli_lib.cairo_image_surface_get_height(img) : 0;
    // Size in cm: the width given, else the pixels at the resolution; the
    // factors stretch it.
    double w = width > 0 ? width : (img ? pw / dpi * 2.54 : 4.0);
    double h = img ? w * ph / pw : 0.75 * w;
    w *= std::fabs(fx), h *= std::fabs(fy);
    oli_lib.cairo_save(cr);
    oli_lib.cairo_translate(cr, x, y);
    oli_lib.cairo_rotate(cr, -angle * M_PI / 180.0);
    if (img && w > 0 && h > 0) {
        oli_lib.cairo_translate(cr, 0, -h * cm_pt);
        oli_lib.cairo_scale(cr, w * cm_pt / pw, h * cm_pt / ph);
        oli_lib.cairo_set_source_surface(cr, img, 0, 0);
        oli_lib.cairo_paint(cr);
    } else {
        // A picture the viewer cannot show: its place, crossed, and its name.
        oli_lib.cairo_rectangle(cr, 0, -h * cm_pt, w * cm_pt, h * cm_pt);
        oli_lib.cairo_move_to(cr, 0, 0);
        oli_lib.cairo_line_to(cr, w * cm_pt, -h * cm_pt);
        oli_lib.cairo_move_to(cr, 0, -h * cm_pt);
        oli_lib.cairo_line_to(cr, w * cm_pt, 0);
        oli_lib.cairo_set_source_rgb(cr, 0.5, 0.5, 0.5);
        oli_lib.cairo_set_line_width(cr, 0.5);
        oli_lib.cairo_set_dash(cr, nullptr, 0, 0);
        oli_lib.cairo_stroke(cr);
        oli_lib.cairo_move_to(cr, 2, -h * cm_pt + 2);
        Name_Text(cr, r.text, 0.25 * cm_pt);
    }
    oli_lib.cairo_restore(cr);
    if (img) oli_lib.cairo_surface_destroy(img);
}

void OLI_Draw_Line_Frames(cairo_t* cr, OliLineFrames* f, const std::string& text, double left, double top,
                          double width, double column, double bottom) {
    const double height = bottom - top;
    // A frame that ran onto a new page starts again at its top.
    if (f->open && top < f->top) f->top = top;
    for (size_t at = text.find("\xCE{"); at != std::string::npos; at = text.find("\xCE{", at + 2)) {
        size_t end = text.find('}', at);
        if (end == std::string::npos) end = text.size();
        size_t letter = text.find_first_not_of(' ', at + 2);
        // "╬L" or "╬R" with the escape byte, or the letter alone.
        if (letter != std::string::npos && static_cast<unsigned char>(text[letter]) == 0xCE) letter++;
        if (letter >= end) continue;
        const char kind = text[letter];
        const std::vector<double> n = Group_Numbers(text, letter + 1, end);
        if (kind == 'L' && n.size() >= 5) {
            // A rule across the line at a height (fraction of the line from
            // its top), or a line between two points of the line's box.
            double x1 = n[1], y1 = n[2], x2 = n[3], y2 = n[4];
            if (x1 == -1 && y1 == -1) x1 = 0, y1 = y2, x2 = 1;
            if (!Sane(x1) || !Sane(y1) || !Sane(x2) || !Sane(y2)) continue;
            auto px = [&](double fx) { return left + std::clamp(fx, 0.0, 1.0) * width; };
            auto py = [&](double fy) { return top + std::clamp(fy, -1.0, 2.0) * height; };
            oli_lib.cairo_save(cr);
            oli_lib.cairo_move_to(cr, px(x1), py(y1));
            oli_lib.cairo_line_to(cr, px(x2), py(y2));
            Frame_Stroke(cr, 0.5);
            oli_lib.cairo_restore(cr);
        } else if (kind == 'R' && n.size() >= 5) {
            if (n[1] == -1 && n[2] == -1 && n[3] == -1 && n[4] == -1) {
                if (f->open) Draw_Rectangle(cr, *f, bottom);
                f->open = false;
            } else if (Sane(n[0]) && Sane(n[1]) && Sane(n[2]) && Sane(n[3]) && Sane(n[4])) {
                if (f->open) Draw_Rectangle(cr, *f, f->last_bottom);
                f->open = true;
                f->left = left, f->width = column;
                f->style = static_cast<int>(n[0]);
                f->pad_x = std::clamp(n[1], 0.0, 1.0) * 72.0 / 2.54;
                f->pad_y = std::clamp(n[2], 0.0, 1.0) * 72.0 / 2.54;
                f->a = std::clamp(n[3], 0.0, 1.0), f->b = std::clamp(n[4], 0.0, 1.0);
                f->top = top;
            }
        }
    }
    f->last_bottom = bottom;
}

void OLI_Close_Line_Frames(cairo_t* cr, OliLineFrames* f) {
    if (f->open) Draw_Rectangle(cr, *f, f->last_bottom);
    f->open = false;
}
