// Bits of the flag word of a paragraph format in a print list and of the
// kind word that ends a paragraph or changes its format, shared by
// the paragraph writer (printlist/oli_para) and the viewer's reader
// (oli_view.cpp): the presence bits say which optional field lines of the
// format follow, in the order of their values (space, indent, tabs, then
// factor, second space and spares); the other bits are the format's own.
#ifndef PLATFORM_OLI_FORMAT_BITS_H
#define PLATFORM_OLI_FORMAT_BITS_H

enum : unsigned {
    OLI_PARA_HAS_CALLBACK1 = 0x1,
    OLI_PARA_HAS_CALLBACK2 = 0x2,
    OLI_PARA_VIEWER_8 = 0x8,
    OLI_PARA_HAS_SPACE = 0x10,
    OLI_PARA_HAS_INDENT = 0x20,
    OLI_PARA_HAS_TABS = 0x40,
    OLI_PARA_CHAINED = 0x80,
    OLI_PARA_VIEWER_100 = 0x100,
    OLI_PARA_HAS_SPARES = 0x200,
    OLI_PARA_HAS_FACTOR = 0x400,
    OLI_PARA_HAS_SECOND_SPACE = 0x800,
    OLI_PARA_MARKED = 0x2000,
    // What OLI_Set_Para_Flags sets.
    OLI_PARA_SETTABLE = OLI_PARA_VIEWER_8 | OLI_PARA_CHAINED | OLI_PARA_VIEWER_100,
    OLI_PARA_PRESENCE = OLI_PARA_HAS_CALLBACK1 | OLI_PARA_HAS_CALLBACK2 | OLI_PARA_HAS_SPACE | OLI_PARA_HAS_INDENT |
                        OLI_PARA_HAS_TABS | OLI_PARA_HAS_SPARES | OLI_PARA_HAS_FACTOR | OLI_PARA_HAS_SECOND_SPACE,
};

// Bits of the kind word of a change group or paragraph end.
enum : unsigned {
    OLI_KIND_NEW_FORMAT = 0x4,  // field lines of a new format follow, the block goes on
    OLI_KIND_CHAINED = 0x100,   // ending and pending format both chained
    OLI_KIND_SPACE = 0x1000,    // a space line follows
    OLI_KIND_MARKED = 0x2000,   // the ending paragraph was marked
};

#endif
