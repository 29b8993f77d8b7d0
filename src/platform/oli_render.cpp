// Renders a read print list onto A4 pages with cairo and pango: a PDF with
// bookmarks, one page as a PNG, or pages drawn into pixels for the viewer on
// the stand-in's screen; and the layout of the pages as text boxes and ink
// for the tests and the layout check. A PNG page is the same drawing as the
// PDF's, scaled to its resolution.
//
// The document is laid out first: the layout passes (oli_render_pass.cpp)
// move the headings that would end a page, and the last of them, which
// lays the document out to its end (from the page where the one before it
// stopped), counts the pages, so that the foot
// line of each page can say "Seite n von m"; the last pass draws (a page
// drawn alone starts from the place a layout pass at its resolution found
// for it). Each runs the blocks through the pieces of
// oli_render_internal.h.

#include <malloc.h>

#include <algorithm>
#include <new>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <list>
#include <map>
#include <memory>

#include "platform/oli_blocks_internal.h"
#include "platform/oli_layout_check.h"
#include "platform/oli_render_calls.h"
#include "platform/oli_render_internal.h"
#include "platform/oli_view.h"
#include "platform/posix.h"

namespace oli_render {

namespace {

// One block: the text, table or picture it sets, or the move, break or
// entry it makes.
void Draw_Block(Render* r, const OliBlock& b) {
    switch (b.kind) {
    case OLI_BLOCK_PARA:
        r->at.table_end = -1;
        Para(r, b);
        break;
    case OLI_BLOCK_TABLE:
        r->at.table_end = -1;
        Table(r, b);
        break;
    case OLI_BLOCK_GRAFIC:
        r->at.table_end = -1;
        Picture(r, b);
        break;
    case OLI_BLOCK_BOOKMARK: Bookmark(r, b); break;
    default: Page_Block(r, b); break;
    }
    r->at.lowest = std::max(r->at.lowest, r->at.y);
}

// Draws the document on surface `s`, which the caller keeps and frees;
// false when the surface could not be made.
bool Run_On(Render* r, cairo_surface_t* s, const OliDocument& doc) {
    r->surface = s;
    r->page_mark = OLI_Page_Mark(doc);
    if (!Surface_Sound(s)) return false;
    Surface_Hold hold;
    r->cr = hold.cr = oli_lib.cairo_create(s);
    Run(r, doc);
    return true;
}

// The page count of the document as it is drawn (into a PDF, or into
// pixels at `dpi` when that is not 0), and, when asked, the texts of its
// pages, the marks of its pictures and the place each page is drawn from.
int Count_Pages(const OliDocument& doc, Shared* shared, std::vector<OliTextBox>* boxes, int total,
                std::vector<OliInk>* ink, double dpi = 0.0, Page_Starts* index = nullptr) {
    Render r;
    r.shared = shared;
    r.boxes = boxes;
    r.ink = ink;
    r.total = total;
    r.layout_only = true;
    r.pdf = dpi == 0.0;
    r.dpi = dpi;
    r.index = index;
    // Only the layout is kept: the smallest picture takes the drawing.
    Surface_Hold hold;
    hold.surface = oli_lib.cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    return Run_On(&r, hold.surface, doc) ? r.at.page : 0;
}

// Lays the document out, moving the headings that would end a page;
// returns the page count.
int Prepare(const OliDocument& doc, Shared* shared) { return Move_Headings(doc, shared); }

// Lays the document out (after Prepare) as it is drawn at `dpi` into
// pixels and notes in *index (empty) the places pages are drawn from.
void Index_Pages(const OliDocument& doc, Shared* shared, double dpi, Page_Starts* index) {
    Count_Pages(doc, shared, nullptr, 0, nullptr, dpi, index);
}

// The result of a callback that fills a file (VEK_Replace_File), with the
// errno of its failed write, if any, in errno for the replace to leave.
int Filled(bool ok, FILE* f) {
    if (ok && !std::ferror(f)) return VEK_WRITE_DONE;
    errno = write_error;
    return VEK_WRITE_FAILED;
}

// The page count when the file stands (confirmed on disc or not), else 0;
// what the write told in *outcome, with the errno it left (taken at once:
// what runs after it may change errno).
int Told(int result, int error, int pages, OliWriteOutcome* outcome) {
    const bool stands = result == VEK_REPLACE_DONE || result == VEK_REPLACE_UNSYNCED;
    if (outcome) {
        outcome->error = result == VEK_REPLACE_DONE ? 0 : error;
        outcome->unconfirmed = result == VEK_REPLACE_UNSYNCED;
    }
    return stands ? pages : 0;
}

// What ended a pass that threw, as errno tells it: the list's file changed
// since it was opened (its reading stops there), or memory ran out.
int Thrown(const OliDocument& doc) { return OLI_List_Changed(doc) ? ESTALE : ENOMEM; }

struct Pdf_Job {
    const OliDocument* doc;
    int pages = 0;
    bool out_of_memory = false;
    bool changed = false;
};

// Fills the temporary of a PDF (VEK_Write_File_Replacing): every page and
// the file's tail, or VEK_WRITE_FAILED; memory that runs out and a list
// whose file changed fail it too (the temporary is then removed, no part
// of a PDF stays: never one of an old list's pages with another's bytes).
int Write_PDF(FILE* f, void* context) {
    auto* job = static_cast<Pdf_Job*>(context);
    write_error = 0;
    try {
        Shared shared;
        const int total = Prepare(*job->doc, &shared);
        Render r;
        r.shared = &shared;
        r.total = total;
        Surface_Hold hold;
        hold.surface = oli_lib.cairo_pdf_surface_create_for_stream(Write_To_File, f, kPageW * kPt, kPageH * kPt);
        bool ok = total > 0 && Run_On(&r, hold.surface, *job->doc);
        if (ok) {
            oli_lib.cairo_surface_finish(hold.surface);
            ok = Surface_Sound(hold.surface);
        }
        job->pages = r.at.page;
        return Filled(ok, f);
    } catch (...) {  // out of memory, or the list changed
        errno = Thrown(*job->doc);
        job->changed = errno == ESTALE;
        job->out_of_memory = !job->changed;
        return VEK_WRITE_FAILED;
    }
}

int Render_PDF(const OliDocument& doc, const char* pdf_path, OliWriteOutcome* outcome) {
    Pdf_Job job{&doc};
    // A killed render's temporary may be as large as the PDF of a list of
    // gigabytes: it goes with the next render into the folder, whatever
    // list that renders.
    errno = 0;
    const int result = VEK_Replace_File(pdf_path, Write_PDF, nullptr, &job, VEK_REPLACE_SWEEP_FOLDER);
    const int pages = Told(result, job.out_of_memory ? ENOMEM : job.changed ? 0 : errno, job.pages, outcome);
    if (outcome) outcome->changed = job.changed;
    return job.out_of_memory || job.changed ? 0 : pages;
}

// Draws page `page` of a document laid out with `shared` into the PNG file
// or the pixels, from the place `index` gives for it: only the unit that
// runs onto the page is laid out again before it (and in a list of more
// pages than are kept, the pages between the kept place and it, unseen).
int Render_Page(const OliDocument& doc, Shared* shared, int total, const Page_Starts& index, int page,
                double dpi, FILE* png_file, OliPageImage* image) {
    if (page > total || page > index.Count()) return 0;
    const Resume& from = index.At_Or_Before(page);
    Render r;
    r.shared = shared;
    r.total = total;
    r.pdf = false;
    r.target = page;
    r.dpi = dpi;
    r.png_file = png_file;
    r.image = image;
    r.page_mark = OLI_Page_Mark(doc);
    r.at = from.at;
    r.resume = &from;
    int w = static_cast<int>(std::lround(kPageW / 2.54 * dpi));
    int h = static_cast<int>(std::lround(kPageH / 2.54 * dpi));
    Surface_Hold hold;
    hold.surface = oli_lib.cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    // Too large a picture for the memory left is no damage of the list.
    if (!Surface_Sound(hold.surface)) return 0;
    r.surface = hold.surface;
    r.cr = hold.cr = oli_lib.cairo_create(hold.surface);
    Page_Surface(&r);
    Run_Blocks(&r, doc, from.block, from.offset);
    return r.png_written ? 1 : 0;
}

}  // namespace

void Throw_If_No_Memory(cairo_status_t status) {
    if (status == CAIRO_STATUS_NO_MEMORY) throw std::bad_alloc();
}

bool Surface_Sound(cairo_surface_t* surface) {
    const cairo_status_t status = oli_lib.cairo_surface_status(surface);
    Throw_If_No_Memory(status);
    return status == CAIRO_STATUS_SUCCESS;
}

Surface_Hold::~Surface_Hold() {
    if (cr) oli_lib.cairo_destroy(cr);
    if (surface) oli_lib.cairo_surface_destroy(surface);
}

void Run(Render* r, const OliDocument& doc) {
    Begin_Page(r);
    // The first contents entry names the position from the first page on.
    if (doc.file) {
        if (doc.opened_contents) r->at.contents = doc.first_contents;
    } else {
        for (const OliBlock& b : doc.blocks)
            if (b.kind == OLI_BLOCK_CONTENTS) {
                r->at.contents = b.text;
                break;
            }
    }
    if (r->index) r->index->Add(Resume{0, -1, r->at, {}, 0.0, 0.0});
    Run_Blocks(r, doc, 0, 0);
}

void Run_Blocks(Render* r, const OliDocument& doc, size_t from, long long offset) {
    Oli_Block_Stream blocks(doc, from, offset);
    while (!r->done) {
        const OliBlock* b = blocks.Next();
        if (!b) break;
        r->block = static_cast<int>(blocks.Index());
        r->block_offset = blocks.Offset();
        r->last.keeps_inked = b->kind == OLI_BLOCK_TABLE;
        Note_Unit(r, -1);
        Draw_Block(r, *b);
        r->resume = nullptr;
    }
    r->block = -1;
    if (!r->done) End_Page(r);
}

void Note_Unit(Render* r, int unit, const OliLineFrames* frames, double size, double width) {
    Oli_Check_Memory();
    if (!r->index) return;
    Checkpoint& c = r->last;
    c.block = static_cast<size_t>(r->block);
    c.offset = r->block_offset;
    c.unit = unit;
    c.page = r->at.page;
    c.y = r->at.y;
    c.lowest = r->at.lowest;
    c.mark = r->at.mark;
    c.table_end = r->at.table_end;
    c.floats = r->at.floats.size();
    c.inked = r->at.inked.size();
    c.frames = frames ? *frames : OliLineFrames{};
    c.size = size;
    c.width = width;
}

void Page_Starts::Add(const Resume& place) {
    recent_.push_back(place);
    ++count_;
    if (recent_.size() <= recent_limit_) return;
    // The oldest recent place is kept at the stride or forgotten.
    const int page = count_ - static_cast<int>(recent_.size()) + 1;
    if ((page - 1) % stride_ == 0) sparse_.push_back(std::move(recent_.front()));
    recent_.pop_front();
    if (sparse_.size() <= sparse_limit_) return;
    // Every other one goes: pages 1, 1 + 2 stride, ...
    size_t kept = 0;
    for (size_t i = 0; i < sparse_.size(); i += 2) sparse_[kept++] = std::move(sparse_[i]);
    sparse_.resize(kept);
    stride_ *= 2;
}

const Resume& Page_Starts::At_Or_Before(int page) const {
    const int first_recent = count_ - static_cast<int>(recent_.size()) + 1;
    if (page >= first_recent) return recent_[static_cast<size_t>(page - first_recent)];
    return sparse_[std::min(static_cast<size_t>((page - 1) / stride_), sparse_.size() - 1)];
}

bool Page_Starts::Keep_First(int pages) {
    const int first_recent = count_ - static_cast<int>(recent_.size()) + 1;
    if (pages < first_recent) {
        *this = Page_Starts(recent_limit_, sparse_limit_);
        return false;
    }
    while (count_ > pages) {
        recent_.pop_back();
        --count_;
    }
    return true;
}

const Resume* Resumed_Unit(const Render* r) {
    return r->resume && r->resume->unit >= 0 && r->resume->block == static_cast<size_t>(r->block) ? r->resume
                                                                                                     : nullptr;
}

}  // namespace oli_render

using oli_render::Shared;

// The document and its layout, kept while its pages are looked at.
struct OliPageSet {
    const OliDocument* doc = nullptr;
    Shared shared;
    int total = 0;
    // Where pages are drawn from, by the resolution they were found for (the
    // viewer's zoom levels), the one used last first: those of the last
    // kResolutionsKept resolutions used are kept.
    static constexpr size_t kResolutionsKept = 3;
    std::list<std::pair<double, oli_render::Page_Starts>> index;
    size_t recent = oli_render::kRecentPages, sparse = oli_render::kSparsePages;  // places kept of each

    // The places of the pages drawn at `dpi`, found when not kept.
    const oli_render::Page_Starts& Index_At(double dpi) {
        for (auto at = index.begin(); at != index.end(); ++at)
            if (at->first == dpi) {
                index.splice(index.begin(), index, at);
                return index.front().second;
            }
        if (index.size() >= kResolutionsKept) index.pop_back();
        oli_render::Page_Starts found(recent, sparse);
        oli_render::Index_Pages(*doc, &shared, dpi, &found);
        index.emplace_front(dpi, std::move(found));
        return index.front().second;
    }
};

Oli_Render_Calls oli_lib;

namespace {
void (*library_out_of_memory_ends)(void) = nullptr;

// glib's fatal messages. One that it cannot make a thread (pango's font
// sorts run in threads of their own) comes where the memory the run may
// take is used up: it is out of memory, as the renderer tells it where an
// allocation of its own fails, not a fault of the list.
void Library_Fatal(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer) {
    if ((level & G_LOG_LEVEL_ERROR) && message && std::strstr(message, "creating thread")) {
        VEK_Remove_Live_Temporaries();
        if (library_out_of_memory_ends) library_out_of_memory_ends();
    }
    oli_lib.g_log_default_handler(domain, level, message, nullptr);
}
}  // namespace

void OLI_On_Library_Out_Of_Memory(void (*ends)(void)) { library_out_of_memory_ends = ends; }

int Oli_Load_Render_Library(void) {
    static const int loaded = [] {
        static const char* const libraries[] = {"libcairo.so.2",       "libpango-1.0.so.0",   "libpangocairo-1.0.so.0",
                                                "libpangoft2-1.0.so.0", "libfontconfig.so.1", "libgobject-2.0.so.0",
                                                "libglib-2.0.so.0"};
        // pango sorts its fonts in short-lived threads of its own, and the
        // C library may reserve 128 MB of address space for the memory of
        // each new thread: under a limit of the address space that
        // reservation would fail inside libraries that do not survive it
        // (glib aborts). All threads allocate from the one memory pool.
        mallopt(M_ARENA_MAX, 1);
        std::string why;
        if (VEK_LOAD_CALLS(oli_lib, OLI_RENDER_CALLS, libraries, &why)) {
            oli_lib.g_log_set_handler("GLib", static_cast<GLogLevelFlags>(G_LOG_LEVEL_ERROR | G_LOG_FLAG_FATAL),
                                      Library_Fatal, nullptr);
            if (Oli_Open_Fonts(&why)) return 1;
        }
        std::fprintf(stderr, "no print-list pages: %s\n", why.c_str());
        return 0;
    }();
    return loaded;
}

bool OLI_Renderer_Ready(void) { return Oli_Load_Render_Library() != 0; }

int OLI_Render_PDF(const OliDocument& doc, const char* pdf_path, OliWriteOutcome* outcome) {
    if (outcome) *outcome = OliWriteOutcome{};
    if (!pdf_path || !Oli_Load_Render_Library()) return 0;
    try {
        return oli_render::Render_PDF(doc, pdf_path, outcome);
    } catch (...) {  // out of memory, or the list changed
        const int thrown = oli_render::Thrown(doc);
        if (outcome) {
            outcome->changed = thrown == ESTALE;
            outcome->error = outcome->changed ? 0 : thrown;
        }
        return 0;
    }
}

int OLI_Render_PNG(const OliDocument& doc, int page, double dpi, const char* png_path, OliWriteOutcome* outcome) {
    if (outcome) *outcome = OliWriteOutcome{};
    if (!png_path || page < 1 || !(dpi >= 10 && dpi <= 600)) return 0;
    OliPageSet* set = OLI_Open_Page_Set(doc);
    if (!set) {
        if (outcome) {
            outcome->changed = errno == ESTALE && OLI_List_Changed(doc);
            outcome->error = outcome->changed ? 0 : errno;
        }
        return 0;
    }
    const int drawn = OLI_Render_Page_PNG(set, page, dpi, png_path, outcome);
    OLI_Close_Page_Set(set);
    return drawn;
}

namespace {
struct Png_Job {
    OliPageSet* set;
    int page;
    double dpi;
    bool out_of_memory = false;
    bool changed = false;
};

// Fills the temporary of a PNG with the page, or fails (memory that runs
// out included: the temporary is then removed).
int Write_PNG(FILE* f, void* context) {
    auto* job = static_cast<Png_Job*>(context);
    oli_render::write_error = 0;
    OliPageSet* set = job->set;
    try {
        const int drawn = oli_render::Render_Page(*set->doc, &set->shared, set->total, set->Index_At(job->dpi),
                                                  job->page, job->dpi, f, nullptr);
        return oli_render::Filled(drawn != 0, f);
    } catch (...) {  // out of memory, or the list changed
        errno = oli_render::Thrown(*set->doc);
        job->changed = errno == ESTALE;
        job->out_of_memory = !job->changed;
        return VEK_WRITE_FAILED;
    }
}
}  // namespace

int OLI_Render_Page_PNG(OliPageSet* set, int page, double dpi, const char* png_path, OliWriteOutcome* outcome) {
    if (outcome) *outcome = OliWriteOutcome{};
    if (!set || !png_path || page < 1 || page > set->total || !(dpi >= 10 && dpi <= 600)) return 0;
    try {
        Png_Job job{set, page, dpi};
        errno = 0;  // the folder swept as a PDF's render sweeps it
        const int result = VEK_Replace_File(png_path, Write_PNG, nullptr, &job, VEK_REPLACE_SWEEP_FOLDER);
        const int drawn = oli_render::Told(result, job.out_of_memory ? ENOMEM : job.changed ? 0 : errno, 1, outcome);
        if (outcome) outcome->changed = job.changed;
        return job.out_of_memory || job.changed ? 0 : drawn;
    } catch (...) {  // out of memory
        if (outcome) outcome->error = ENOMEM;
        return 0;
    }
}

OliPageSet* OLI_Open_Page_Set(const OliDocument& doc) {
    if (!Oli_Load_Render_Library()) {
        errno = 0;
        return nullptr;
    }
    try {
        auto set = std::make_unique<OliPageSet>();
        set->doc = &doc;
        set->total = oli_render::Prepare(doc, &set->shared);
        errno = 0;
        return set->total > 0 ? set.release() : nullptr;
    } catch (...) {  // out of memory, or the list changed
        errno = oli_render::Thrown(doc);
        return nullptr;
    }
}

int OLI_Page_Set_Count(const OliPageSet* set) { return set ? set->total : 0; }

int OLI_Render_Page_Image(OliPageSet* set, int page, double dpi, OliPageImage* image) {
    if (!set || !image || page < 1 || page > set->total || !(dpi >= 10 && dpi <= 600)) return 0;
    try {
        errno = 0;
        return oli_render::Render_Page(*set->doc, &set->shared, set->total, set->Index_At(dpi), page, dpi, nullptr,
                                       image);
    } catch (...) {  // out of memory, or the list changed: the pixels drawn so far go too
        *image = OliPageImage{};
        errno = oli_render::Thrown(*set->doc);
        return 0;
    }
}

void OLI_Close_Page_Set(OliPageSet* set) { delete set; }

void oli_render::Limit_Page_Places(OliPageSet* set, size_t recent, size_t sparse) {
    set->recent = recent;
    set->sparse = sparse;
    set->index.clear();
}

int OLI_Render_Text_Boxes(const OliDocument& doc, std::vector<OliTextBox>* boxes) {
    if (!boxes) return 0;
    return OLI_Render_Layout(doc, boxes, nullptr);
}

int OLI_Render_Layout(const OliDocument& doc, std::vector<OliTextBox>* boxes, std::vector<OliInk>* ink) {
    errno = 0;
    if (!Oli_Load_Render_Library()) return 0;
    try {
        Shared shared;
        const int total = oli_render::Prepare(doc, &shared);
        if (boxes) boxes->clear();
        if (ink) ink->clear();
        return oli_render::Count_Pages(doc, &shared, boxes, total, ink);
    } catch (...) {  // out of memory, or the list changed: what was listed goes too
        if (boxes) *boxes = std::vector<OliTextBox>{};
        if (ink) *ink = std::vector<OliInk>{};
        errno = oli_render::Thrown(doc);
        return 0;
    }
}

// fontconfig keeps its font sets for the life of the process in a way the
// leak checker of the sanitizer builds reports as lost; they are not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
