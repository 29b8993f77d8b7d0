// The fonts the print-list pages are set in, in a font configuration of
// the renderer's own.
//
// Left to the machine's configuration, pango takes whatever fontconfig
// finds: a second face of a family the pages name (an oblique or condensed
// DejaVu that another package brings), a font that the machine's rules
// prefer for a character, the machine's hinting and smoothing. A list then
// came out of one machine other than out of another, and the picture
// writer, which keeps its labels apart by the ink of each character in the
// viewer's font (printlist/ioliplot_glyphs.cpp), measured a font that was
// not drawn. The pages are therefore set in the DejaVu faces of the fonts
// the project's setup installs, and in no others: the same bytes on every
// machine that has them, whatever else it holds.
#include <cstdio>
#include <string>

#include "platform/oli_render_calls.h"

// Where the build puts them (CMake's WELD_FONT_DIR); a build of its own
// (the fuzz harnesses') finds them where Debian puts them.
#ifndef WELD_FONT_DIR
#define WELD_FONT_DIR "/usr/share/fonts/truetype/dejavu"
#endif

namespace {

// The faces of the DejaVu core package, all of them: a character that the
// face asked for lacks is looked for among these only.
const char* const kFontFiles[] = {"DejaVuSans.ttf",      "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf",
                                  "DejaVuSansMono-Bold.ttf", "DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf"};

// No italic face is among them: an italic text is the upright face slanted,
// and bold without a bold face is the regular one made heavier (what the
// usual configuration of a desktop does too).
const char kRules[] = R"(<?xml version="1.0"?>
<fontconfig>
  <match target="font">
    <test name="slant"><const>roman</const></test>
    <test target="pattern" name="slant" compare="not_eq"><const>roman</const></test>
    <edit name="matrix" mode="assign">
      <times><name>matrix</name><matrix><double>1</double><double>0.2</double><double>0</double><double>1</double></matrix></times>
    </edit>
    <edit name="slant" mode="assign"><const>oblique</const></edit>
    <edit name="embeddedbitmap" mode="assign"><bool>false</bool></edit>
  </match>
  <match target="font">
    <test name="weight" compare="less_eq"><const>medium</const></test>
    <test target="pattern" name="weight" compare="more_eq"><const>bold</const></test>
    <edit name="embolden" mode="assign"><bool>true</bool></edit>
    <edit name="weight" mode="assign"><const>bold</const></edit>
  </match>
</fontconfig>
)";

// The configuration, or null with *why said.
FcConfig* Own_Configuration(std::string* why) {
    FcConfig* config = oli_lib.FcConfigCreate();
    if (!config) {
        *why = "no font configuration (out of memory)";
        return nullptr;
    }
    bool ok = oli_lib.FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(kRules), FcTrue) &&
              oli_lib.FcConfigBuildFonts(config);
    if (!ok) *why = "the renderer's font rules cannot be read";
    for (const char* name : kFontFiles) {
        if (!ok) break;
        const std::string file = std::string(WELD_FONT_DIR) + "/" + name;
        if (!oli_lib.FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(file.c_str()))) {
            *why = "font " + file + " missing (scripts/setup installs it)";
            ok = false;
        }
    }
    if (ok) return config;
    oli_lib.FcConfigDestroy(config);
    return nullptr;
}

PangoFontMap* font_map = nullptr;

}  // namespace

int Oli_Open_Fonts(std::string* why) {
    FcConfig* config = Own_Configuration(why);
    if (!config) return 0;
    // Ours is the process's configuration before pango starts: pango warms
    // fontconfig up in a thread of its own as its font map is made, and
    // cairo looks its faces up in the current configuration. Without one
    // of ours there, fontconfig read the machine's configuration and
    // scanned every font folder it names: seconds for a large or broken
    // one, for fonts no page uses.
    if (!oli_lib.FcConfigSetCurrent(config)) {
        *why = "the renderer's font configuration cannot be made current";
        oli_lib.FcConfigDestroy(config);
        return 0;
    }
    PangoFontMap* map = oli_lib.pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    if (!map) {
        *why = "no font map";
        oli_lib.FcConfigDestroy(config);
        return 0;
    }
    oli_lib.pango_fc_font_map_set_config(reinterpret_cast<PangoFcFontMap*>(map), config);
    oli_lib.FcConfigDestroy(config);  // the map holds it
    font_map = map;
    return 1;
}

PangoContext* Oli_Text_Context(cairo_t* cr) {
    PangoContext* context = oli_lib.pango_font_map_create_context(font_map);
    oli_lib.pango_cairo_update_context(cr, context);
    return context;
}

PangoContext* Oli_Layout_Context(cairo_t* cr) {
    PangoContext* context = Oli_Text_Context(cr);
    // Points as they are, and outlines as drawn: the layout of a page is
    // the same at every resolution but for pango's rounding.
    oli_lib.pango_cairo_context_set_resolution(context, 72.0);
    cairo_font_options_t* fo = oli_lib.cairo_font_options_create();
    oli_lib.cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    oli_lib.cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
    oli_lib.pango_cairo_context_set_font_options(context, fo);
    oli_lib.cairo_font_options_destroy(fo);
    return context;
}
