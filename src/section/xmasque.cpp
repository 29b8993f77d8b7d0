// xmasque: section mask file and dumps.
#include "section/xmasque.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "base/invariant.h"
#include "base/textio.h"
#include "section/section_internal.h"
#include "section/section_invariants.h"
#include "section/stress_strain.h"

static const unsigned char open_name = 0xAE, close_name = 0xAF;

// ---- Writers -------------------------------------------------------------

int Write_Element_Header(FILE* stream, const void* element) {
    const Querschnitt_Elementtyp* t = Get_Element_Typ(element);
    if (!stream || !t) return 0;
    return std::fprintf(stream, "%s %d %d\n", t->keyword, Get_Element_Nummer(element),
                        Get_Element_Intern_Nummer(element)) > 0;
}

int Write_Querschnittsknoten(FILE* stream, const Querschnittsknoten* node) {
    if (!stream || !node || !Write_Element_Header(stream, node)) return 0;
    return std::fprintf(stream, "%.6g %.6g\n", node->y, node->z) > 0;
}

int Write_Querschnittskante(FILE* stream, const Querschnittskante* edge) {
    if (!stream || !edge || !edge->anf || !edge->end || !Write_Element_Header(stream, edge)) return 0;
    return std::fprintf(stream, "%d %d %d %.6g\n", edge->bogen, edge->anf->header.intern,
                        edge->end->header.intern, edge->stich) > 0;
}

int Write_Spannungsdehnungslinie(FILE* stream, const Spannungsdehnungslinie* curve) {
    if (!stream || !curve) return 0;
    const char* name = curve->name ? curve->name : "???";
    if (std::strchr(name, static_cast<char>(close_name))) return 0;
    int typ = curve->typ & ~SDL_MIT_BEZUG;
    if (curve->bezug) typ |= SDL_MIT_BEZUG;
    if (typ & SDL_EXTERN) {
        const Spannungsdehnungslinie* b = Find_Builtin_Spannungsdehnungslinie(curve->name);
        if (!b || std::memcmp(&b->p, &curve->p, sizeof b->p) != 0) typ &= ~SDL_EXTERN;
    }
    if (!Write_Element_Header(stream, curve)) return 0;
    if (std::fprintf(stream, "%d \xAE%s\xAF\n", typ, name) < 0) return 0;
    if (!(typ & SDL_EXTERN)) {
        const double* v = &curve->p.betaD;
        for (int i = 0; i < 10; ++i)
            if (std::fprintf(stream, " %.6g", v[i]) < 0) return 0;
        if (std::fputc('\n', stream) == EOF) return 0;
    }
    // All digits of the weight: small weights must not come back as 0.
    if ((typ & SDL_MIT_BEZUG) &&
        std::fprintf(stream, " %.17g %d\n", curve->bezug_gewicht, curve->bezug->header.intern) < 0)
        return 0;
    return 1;
}

int Write_Querschnittsgruppe(FILE* stream, const Querschnittsgruppe* group) {
    if (!stream || !group || !group->kurve || !Write_Element_Header(stream, group)) return 0;
    if (std::fprintf(stream, "%d %d\n", group->art, group->kurve->header.intern) < 0) return 0;
    if (group->art == QG_KREIS) {
        if (!group->mitte) return 0;
        return std::fprintf(stream, "%d %.6g\n", group->mitte->header.intern, group->radius) > 0;
    }
    if (!group->liste || std::fprintf(stream, "%d\n", group->liste->count) < 0) return 0;
    for (int i = 0; i < group->liste->count; ++i) {
        const void* item = group->liste->items[i];
        if (!item) return 0;
        int ok;
        if (group->art == QG_FLAECHE) {
            ok = std::fprintf(stream, "%d\n", Get_Element_Intern_Nummer(item));
        } else {
            auto* m = static_cast<const Querschnittsgruppe_Eintrag*>(item);
            if (!m->element) return 0;
            ok = std::fprintf(stream, "%d %.6g\n", m->element->intern, m->wert);
        }
        if (ok < 0) return 0;
    }
    return 1;
}

template <class T, class W>
static int Write_List(FILE* stream, const PtrArr* list, W write) {
    const int n = list ? list->count : 0;
    if (std::fprintf(stream, "%d\n", n) < 0) return 0;
    for (int i = 0; i < n; ++i) {
        const T* e = static_cast<const T*>(list->items[i]);
        if (!e || !write(stream, e)) return 0;
    }
    return 1;
}

int Write_Querschnitt(FILE* stream, const Querschnitt* section) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!stream || !section || !Write_Element_Header(stream, section)) return 0;
    const int ok = Write_List<Querschnittsknoten>(stream, section->knoten, Write_Querschnittsknoten) &&
                   Write_List<Querschnittskante>(stream, section->kanten, Write_Querschnittskante) &&
                   Write_List<Spannungsdehnungslinie>(stream, section->kurven,
                                                      Write_Spannungsdehnungslinie) &&
                   Write_List<Querschnittsgruppe>(stream, section->gruppen, Write_Querschnittsgruppe);
    return ok && !std::ferror(stream);
}

// ---- Readers -------------------------------------------------------------

// One int in base 10 (base 0: also "0x" hexadecimal and octal, as " %i");
// a number beyond the int is refused, never wrapped.
static bool Read_Int(FILE* f, int* v, int base = 10) { return Scan_Int(f, base, v) == 1; }

// A decimal number standing as a word, finite and in range.
static bool Read_Double(FILE* f, double* v) { return Scan_Double_Word(f, v) == 1; }

static bool Read_Count(FILE* f, int* n) { return Read_Int(f, n) && *n >= 0; }

// The internal numbers name one element each across the whole section, and
// the references of edges and groups go by them: a number below 1 (which
// the section would replace by one of its own) or one that another element
// already has is a damaged file, never a second element of that number.
static bool Intern_Free(const Querschnitt* q, int intern) {
    if (!q) return true;
    return intern >= 1 && !Find_Querschnittsknoten_Intern(q, intern) && !Find_Querschnittskante_Intern(q, intern) &&
           !Find_Spannungsdehnungslinie_Intern(q, intern) && !Find_Querschnittsgruppe_Intern(q, intern);
}


// The name between 0xAE and 0xAF after optional white space; an empty name
// is valid, one longer than XMASQUE_NAME_MAX bytes or without its closing
// byte is not.
static bool Read_Name(FILE* f, char* name, size_t size) {
    int ch;
    do ch = std::fgetc(f);
    while (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n');
    if (ch != open_name) return false;
    size_t n = 0;
    while ((ch = std::fgetc(f)) != EOF && ch != close_name) {
        if (n + 1 >= size) return false;
        name[n++] = static_cast<char>(ch);
    }
    name[n] = '\0';
    return ch == close_name;
}

int Read_Element_Header(FILE* stream, const Querschnitt_Elementtyp* type, Querschnitt_Element* header) {
    if (!stream || !type || !header) return 0;
    char keyword[16];
    int number, intern;
    // A keyword longer than the field is cut and then matches no kind.
    if (std::fscanf(stream, " %15s", keyword) != 1 || !Read_Int(stream, &number) || !Read_Int(stream, &intern))
        return 0;
    if (std::strcmp(keyword, type->keyword) != 0) return 0;
    header->type = type;
    header->number = number;
    header->intern = intern;
    header->refcount = 0;
    return 1;
}

Querschnittsknoten* Read_Querschnittsknoten(FILE* stream, Querschnitt* section) {
    Querschnitt_Element h;
    double y, z;
    if (!Read_Element_Header(stream, &Querschnittsknoten_Typ, &h) || !Intern_Free(section, h.intern) ||
        !Read_Double(stream, &y) || !Read_Double(stream, &z))
        return nullptr;
    Querschnittsknoten* n = New_Querschnittsknoten(h.number, y, z);
    if (!n) return nullptr;
    n->header.intern = h.intern;
    if (section && !Add_Querschnittsknoten(section, n)) {
        Free_Querschnittsknoten(n);
        return nullptr;
    }
    return n;
}

Querschnittskante* Read_Querschnittskante(FILE* stream, Querschnitt* section) {
    Querschnitt_Element h;
    int bogen, a, b;
    double stich;
    if (!section || !Read_Element_Header(stream, &Querschnittskante_Typ, &h) || !Intern_Free(section, h.intern) ||
        !Read_Int(stream, &bogen) || !Read_Int(stream, &a) || !Read_Int(stream, &b) ||
        !Read_Double(stream, &stich))
        return nullptr;
    Querschnittskante* e = New_Querschnittskante(h.number, Find_Querschnittsknoten_Intern(section, a),
                                                 Find_Querschnittsknoten_Intern(section, b), stich);
    if (!e) return nullptr;
    e->header.intern = h.intern;
    if (!Add_Querschnittskante(section, e)) {
        Free_Querschnittskante(e);
        return nullptr;
    }
    return e;
}

// defer: a reference to a curve not yet in the section is kept as its
// internal number, for the whole-section reader to resolve.
static Spannungsdehnungslinie* Read_Kurve(FILE* stream, Querschnitt* section, bool defer) {
    Querschnitt_Element h;
    int typ;
    char name[XMASQUE_NAME_MAX + 1];
    if (!Read_Element_Header(stream, &Spannungsdehnungslinie_Typ, &h) || !Intern_Free(section, h.intern) ||
        !Read_Int(stream, &typ, 0) || !Read_Name(stream, name, sizeof name))
        return nullptr;
    Spannungsdehnungslinie_Parameter p{};
    if (typ & SDL_EXTERN) {
        const Spannungsdehnungslinie* b = Find_Builtin_Spannungsdehnungslinie(name);
        if (!b) return nullptr;
        p = b->p;
    } else {
        double* v = &p.betaD;
        for (int i = 0; i < 10; ++i)
            if (!Read_Double(stream, &v[i])) return nullptr;
    }
    double weight = -1.0;
    int other = 0;
    if ((typ & SDL_MIT_BEZUG) && (!Read_Double(stream, &weight) || !Read_Int(stream, &other)))
        return nullptr;
    Spannungsdehnungslinie* c = New_Spannungsdehnungslinie(h.number, typ & ~SDL_MIT_BEZUG, name, &p);
    if (!c) return nullptr;
    c->header.intern = h.intern;
    c->bezug_gewicht = weight;
    c->bezug_intern = other;
    if (other > 0) {
        Spannungsdehnungslinie* ref = Find_Spannungsdehnungslinie_Intern(section, other);
        if (ref) {
            c->bezug = ref;
            Element_Ref(ref);
        } else if (!defer) {
            Free_Spannungsdehnungslinie(c);
            return nullptr;
        }
    }
    if (section && !Add_Spannungsdehnungslinie(section, c)) {
        Free_Spannungsdehnungslinie(c);
        return nullptr;
    }
    return c;
}

Spannungsdehnungslinie* Read_Spannungsdehnungslinie(FILE* stream, Querschnitt* section) {
    return Read_Kurve(stream, section, false);
}

static bool Read_Mitglieder(FILE* f, Querschnitt* q, Querschnittsgruppe* g) {
    int n;
    if (!Read_Count(f, &n)) return false;
    for (int i = 0; i < n; ++i) {
        int intern;
        double v = 0;
        if (!Read_Int(f, &intern)) return false;
        if (g->art != QG_FLAECHE && !Read_Double(f, &v)) return false;
        bool ok;
        if (g->art == QG_PUNKTE)
            ok = Add_Punkt_To_Gruppe(g, Find_Querschnittsknoten_Intern(q, intern), v) != nullptr;
        else if (g->art == QG_LINIEN)
            ok = Add_Linie_To_Gruppe(g, Find_Querschnittskante_Intern(q, intern), v) != nullptr;
        else
            ok = Add_Kante_To_Flaeche(g, Find_Querschnittskante_Intern(q, intern));
        if (!ok) return false;
    }
    return true;
}

Querschnittsgruppe* Read_Querschnittsgruppe(FILE* stream, Querschnitt* section) {
    Querschnitt_Element h;
    int art, kurve;
    if (!section || !Read_Element_Header(stream, &Querschnittsgruppe_Typ, &h) || !Intern_Free(section, h.intern) ||
        !Read_Int(stream, &art) || !Read_Int(stream, &kurve))
        return nullptr;
    Spannungsdehnungslinie* c = Find_Spannungsdehnungslinie_Intern(section, kurve);
    if (!c) return nullptr;
    Querschnittsgruppe* g = nullptr;
    switch (art) {
    case QG_KREIS: {
        int centre;
        double radius;
        if (!Read_Int(stream, &centre) || !Read_Double(stream, &radius)) return nullptr;
        g = New_Querschnittsgruppe_Kreis(h.number, c, Find_Querschnittsknoten_Intern(section, centre),
                                         radius);
        if (!g) return nullptr;
        break;
    }
    case QG_PUNKTE: g = New_Querschnittsgruppe_Punkte(h.number, c); break;
    case QG_FLAECHE: g = New_Querschnittsgruppe_Flaeche(h.number, c); break;
    case QG_LINIEN: g = New_Querschnittsgruppe_Linien(h.number, c); break;
    default: return nullptr;
    }
    if (!g) return nullptr;
    g->header.intern = h.intern;
    if ((art != QG_KREIS && !Read_Mitglieder(stream, section, g)) || (art == QG_FLAECHE && !Is_Flaeche_Outline_Closed(g)) ||
        !Add_Querschnittsgruppe(section, g)) {
        Free_Querschnittsgruppe(g);
        return nullptr;
    }
    return g;
}

template <class R>
static bool Read_List(FILE* f, Querschnitt* q, R read) {
    int n;
    if (!Read_Count(f, &n)) return false;
    for (int i = 0; i < n; ++i)
        if (!read(f, q)) return false;
    return true;
}

static Spannungsdehnungslinie* Read_Kurve_Spaeter(FILE* f, Querschnitt* q) {
    return Read_Kurve(f, q, true);
}

// Curve references left open while reading: each must now name a curve.
static bool Resolve_Bezuege(Querschnitt* q) {
    for (int i = 0; i < Get_Spannungsdehnungslinien_Count(q); ++i) {
        Spannungsdehnungslinie* c = Get_Spannungsdehnungslinie(q, i);
        if (!c || c->bezug || c->bezug_intern <= 0) continue;
        Spannungsdehnungslinie* ref = Find_Spannungsdehnungslinie_Intern(q, c->bezug_intern);
        if (!ref) return false;
        c->bezug = ref;
        Element_Ref(ref);
    }
    return true;
}

Querschnitt* Read_Querschnitt(FILE* stream) {
    Querschnitt_Element h;
    if (!stream || !Read_Element_Header(stream, &Querschnitt_Typ, &h)) return nullptr;
    Querschnitt* q = New_Querschnitt(0, 0);
    if (!q) return nullptr;
    q->header.number = h.number;
    q->header.intern = h.intern;
    if (!Read_List(stream, q, Read_Querschnittsknoten) || !Read_List(stream, q, Read_Querschnittskante) ||
        !Read_List(stream, q, Read_Kurve_Spaeter) || !Resolve_Bezuege(q) ||
        !Read_List(stream, q, Read_Querschnittsgruppe)) {
        Free_Querschnitt_Erzwungen(q);
        return nullptr;
    }
    return q;
}

// ---- Dumps ---------------------------------------------------------------

void Print_Element_Header(FILE* stream, const void* element) {
    const Querschnitt_Elementtyp* t = Get_Element_Typ(element);
    if (!stream || !element) return;
    std::fprintf(stream, " %s %d (%d, R%d)\n", t ? t->name : "???", Get_Element_Nummer(element),
                 Get_Element_Intern_Nummer(element), Get_Element_Refcount(element));
}

void Print_Querschnittsknoten(FILE* stream, const Querschnittsknoten* node) {
    if (!stream || !node) return;
    Print_Element_Header(stream, node);
    std::fprintf(stream, "     y = %.6g, z = %.6g\n", node->y, node->z);
}

void Print_Querschnittskante(FILE* stream, const Querschnittskante* edge) {
    if (!stream || !edge) return;
    Print_Element_Header(stream, edge);
    std::fprintf(stream, "     type = %d, anf = %d, end = %d, stich = %.6g\n", edge->bogen,
                 Get_Element_Nummer(edge->anf), Get_Element_Nummer(edge->end), edge->stich);
}

void Print_Querschnittsgruppe(FILE* stream, const Querschnittsgruppe* group) {
    if (!stream || !group) return;
    Print_Element_Header(stream, group);
    Print_Element_Header(stream, group->kurve);
    const int n = group->liste ? group->liste->count : 0;
    switch (group->art) {
    case QG_FLAECHE:
        std::fprintf(stream, " Querschnittsflaeche mit %d Kanten:\n", n);
        for (int i = 0; i < n; ++i) Print_Element_Header(stream, group->liste->items[i]);
        break;
    case QG_PUNKTE:
    case QG_LINIEN:
        if (group->art == QG_PUNKTE)
            std::fprintf(stream, " Querschnittspunktgruppe mit %d Punkten:\n", n);
        else
            std::fprintf(stream, " Querschnittsliniengruppe mit %d Linien:\n", n);
        for (int i = 0; i < n; ++i) {
            auto* m = static_cast<const Querschnittsgruppe_Eintrag*>(group->liste->items[i]);
            if (!m) continue;
            std::fprintf(stream, group->art == QG_PUNKTE ? " Flaeche %.6g bei " : " Dicke %.6g bei ",
                         m->wert);
            Print_Element_Header(stream, m->element);
        }
        break;
    case QG_KREIS:
        std::fprintf(stream, " Querschnittskreis mit Radius %.6g und ", group->radius);
        Print_Element_Header(stream, group->mitte);
        break;
    default:
        break;
    }
}

void Print_Querschnitt(FILE* stream, const Querschnitt* section) {
    WELD_CHECK_AT_EXIT(Check_Querschnitt_Invariants(section));
    if (!stream || !section) return;
    Print_Element_Header(stream, section);
    std::fprintf(stream, " Groesste interne Elementnummer: %d\n", section->max_intern);
    std::fprintf(stream, " *** %d Querschnittsknoten ***\n", Get_Querschnittsknoten_Count(section));
    for (int i = 0; i < Get_Querschnittsknoten_Count(section); ++i)
        Print_Querschnittsknoten(stream, Get_Querschnittsknoten(section, i));
    std::fprintf(stream, " *** %d Querschnittskanten ***\n", Get_Querschnittskanten_Count(section));
    for (int i = 0; i < Get_Querschnittskanten_Count(section); ++i)
        Print_Querschnittskante(stream, Get_Querschnittskante(section, i));
    std::fprintf(stream, " *** %d Spannungsdehnungslinien ***\n",
                 Get_Spannungsdehnungslinien_Count(section));
    for (int i = 0; i < Get_Spannungsdehnungslinien_Count(section); ++i)
        Print_Spannungsdehnungslinie(stream, Get_Spannungsdehnungslinie(section, i));
    std::fprintf(stream, " *** %d Querschnittsgruppen ***\n", Get_Querschnittsgruppen_Count(section));
    for (int i = 0; i < Get_Querschnittsgruppen_Count(section); ++i)
        Print_Querschnittsgruppe(stream, Get_Querschnittsgruppe(section, i));
}
