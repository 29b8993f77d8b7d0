// The pango and cairo calls of the print-list renderer (oli_render*.cpp,
// oli_render_internal.h), through a table filled when the renderer first
// draws (library_calls.h: a run that draws no page does not load them).
// Not for other modules.
#ifndef PLATFORM_OLI_RENDER_CALLS_H
#define PLATFORM_OLI_RENDER_CALLS_H

#include <cairo-pdf.h>
#include <cairo.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <string>

#include "platform/library_calls.h"

#define OLI_RENDER_CALLS(X) \
    X(FcConfigAppFontAddFile) \
    X(FcConfigBuildFonts) \
    X(FcConfigCreate) \
    X(FcConfigDestroy) \
    X(FcConfigParseAndLoadFromMemory) \
    X(FcConfigSetCurrent) \
    X(cairo_arc) \
    X(cairo_clip) \
    X(cairo_close_path) \
    X(cairo_create) \
    X(cairo_destroy) \
    X(cairo_fill) \
    X(cairo_fill_extents) \
    X(cairo_fill_preserve) \
    X(cairo_font_options_create) \
    X(cairo_font_options_destroy) \
    X(cairo_font_options_set_hint_metrics) \
    X(cairo_font_options_set_hint_style) \
    X(cairo_identity_matrix) \
    X(cairo_image_surface_create) \
    X(cairo_image_surface_create_from_png_stream) \
    X(cairo_image_surface_get_data) \
    X(cairo_image_surface_get_height) \
    X(cairo_image_surface_get_stride) \
    X(cairo_image_surface_get_width) \
    X(cairo_line_to) \
    X(cairo_move_to) \
    X(cairo_new_path) \
    X(cairo_paint) \
    X(cairo_pdf_surface_add_outline) \
    X(cairo_pdf_surface_create_for_stream) \
    X(cairo_rectangle) \
    X(cairo_restore) \
    X(cairo_rotate) \
    X(cairo_save) \
    X(cairo_scale) \
    X(cairo_set_dash) \
    X(cairo_set_fill_rule) \
    X(cairo_set_line_width) \
    X(cairo_set_source_rgb) \
    X(cairo_set_source_surface) \
    X(cairo_show_page) \
    X(cairo_stroke) \
    X(cairo_status) \
    X(cairo_stroke_preserve) \
    X(cairo_surface_destroy) \
    X(cairo_surface_finish) \
    X(cairo_surface_flush) \
    X(cairo_surface_status) \
    X(cairo_surface_write_to_png_stream) \
    X(cairo_translate) \
    X(g_log_default_handler) \
    X(g_log_set_handler) \
    X(g_object_unref) \
    X(pango_cairo_context_set_font_options) \
    X(pango_cairo_context_set_resolution) \
    X(pango_cairo_font_map_new_for_font_type) \
    X(pango_cairo_show_layout) \
    X(pango_cairo_update_context) \
    X(pango_fc_font_map_set_config) \
    X(pango_font_description_free) \
    X(pango_font_description_from_string) \
    X(pango_font_description_set_absolute_size) \
    X(pango_font_map_create_context) \
    X(pango_layout_context_changed) \
    X(pango_layout_get_baseline) \
    X(pango_layout_get_context) \
    X(pango_layout_get_extents) \
    X(pango_layout_get_size) \
    X(pango_layout_get_text) \
    X(pango_layout_index_to_pos) \
    X(pango_layout_new) \
    X(pango_layout_set_ellipsize) \
    X(pango_layout_set_font_description) \
    X(pango_layout_set_markup) \
    X(pango_layout_set_text) \
    X(pango_layout_set_width)

struct Oli_Render_Calls {
    OLI_RENDER_CALLS(VEK_CALL_SLOT)
};

// The calls; empty until Oli_Load_Render_Library has succeeded.
extern Oli_Render_Calls oli_lib;

// Opens pango and cairo on the first call.  1 when the calls are there;
// 0 when the libraries cannot be opened (the reason goes to stderr once):
// the renderer's entry points then draw nothing and report failure.
int Oli_Load_Render_Library(void);

// Sets up the fonts the pages are set in (oli_render_fonts.cpp), once,
// when the calls are there: 1, or 0 with the reason in *why (a font file
// missing).
int Oli_Open_Fonts(std::string* why);

// A pango context for texts drawn on `cr` (its transformation), with the
// renderer's fonts; the caller frees it.
PangoContext* Oli_Text_Context(cairo_t* cr);
// The same, as the pages' texts are laid out and drawn: sizes in points
// (a resolution of 72 per inch), unhinted.
PangoContext* Oli_Layout_Context(cairo_t* cr);

#endif
