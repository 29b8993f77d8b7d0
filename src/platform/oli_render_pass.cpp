// The layout pass of the print-list renderer: headings that would end a
// page go to the next one with what they head.
//
// Each pass lays the document out and stops at the first heading it finds
// at a page's foot; only that one is moved (Shared::break_before): what
// stands before it is laid out as before, so an entry never goes stale when
// a later move shifts the pages after it. The next pass goes on from where
// the page the pass stopped at begins, as a page drawn alone does: the
// passes together cost about one layout of the document and a page for
// each moved heading, however many headings one block holds.

#include "platform/oli_render_calls.h"
#include "platform/oli_render_internal.h"

namespace oli_render {

// A pass looking for the next heading to move.
struct Pass {
    bool moved = false;  // this pass found a heading to move
};

namespace {

// Lays the blocks out, from the start when `from` is null, else from the
// page it begins. Nothing of the pass is kept but the moves and where its
// pages begin: the smallest picture takes its drawing (the layout's metrics
// do not depend on the surface: Layout fixes them). False when the surface
// cannot be made.
bool Run_Pass(Render* r, const OliDocument& doc, const Resume* from) {
    Surface_Hold hold;
    hold.surface = oli_lib.cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    if (!Surface_Sound(hold.surface)) return false;
    r->surface = hold.surface;
    r->cr = hold.cr = oli_lib.cairo_create(hold.surface);
    if (!from) {
        Run(r, doc);
    } else {
        r->at = from->at;
        r->resume = from;
        Page_Surface(r);
        Run_Blocks(r, doc, from->block, from->offset);
    }
    return true;
}

}  // namespace

bool Pass_At_Page_Break(Render* r) {
    // A stopped pass breaks no more pages: the rest of the line it stopped
    // in is not laid out, and no later heading is taken for one at a foot.
    if (r->done) return true;
    const std::vector<Drawn>& on_page = r->at.on_page;
    size_t i = on_page.size();
    while (i > 0 && on_page[i - 1].heading) --i;
    if (r->shared && i > 0 && i < on_page.size() &&
        r->shared->break_before.insert({on_page[i].block, on_page[i].line}).second) {
        r->pass->moved = true;
        r->done = true;  // the pages after it are laid out by the next pass
        return true;
    }
    return false;
}

int Move_Headings(const OliDocument& doc, Shared* shared) {
    // Where each page of the layout begins; a pass that stops keeps those
    // up to the page it stopped at, which is where the next one goes on.
    // Only the last pages' are looked at again.
    Page_Starts index(kRecentPages, 1);
    // Each pass moves a heading not moved before: the passes end.
    for (;;) {
        Pass pass;
        Render r;
        r.pass = &pass;
        r.shared = shared;
        r.layout_only = true;
        r.index = &index;
        // The page the last pass stopped at is drawn from a place on it or
        // on a page before (a copy: the pass adds to the index); the pass
        // finds where the pages after that place begin again. Where that
        // place is no longer kept (a unit that ran over more pages than are
        // kept), the pass goes from the start: the same layout, later.
        Resume from;
        bool resumes = false;
        if (index.Count() > 0) {
            from = index.Last();
            resumes = index.Keep_First(from.at.page);
        }
        if (!Run_Pass(&r, doc, resumes ? &from : nullptr)) return 0;
        if (!pass.moved) return r.at.page;
    }
}

}  // namespace oli_render
