// The layout pass of the print-list renderer: headings that would end a
// page go to the next one with what they head.
//
// Each pass lays the document out and stops at the first heading it finds
// at a page's foot; only that one is moved (Shared::break_before): what
// stands before it is laid out as before, so an entry never goes stale when
// a later move shifts the pages after it. The next pass goes on from the
// place kept before the heading's block, which stands on the page the pass
// stopped at: the passes together cost about one layout of the document,
// whatever the number of moved headings (each is moved once).

#include "platform/oli_render_calls.h"
#include "platform/oli_render_internal.h"

namespace oli_render {

// A pass looking for the next heading to move.
struct Pass {
    // Where the layout stood before each block of the page being laid out
    // (and before the block that runs onto it): the next pass goes on from
    // one of them.
    std::vector<std::pair<size_t, Place>> kept;
    bool moved = false;                    // this pass found a heading to move
    std::pair<int, int> moved_at{-1, -1};  // (block, line) of that heading
};

namespace {

// Lays the blocks out from `from` on, from the start when `from` is 0 (r
// then stands where the layout stood before block `from`). Nothing of the
// pass is kept but the moves: the smallest picture takes its drawing (the
// layout's metrics do not depend on the surface: Layout fixes them). False
// when the surface cannot be made.
bool Run_Pass(Render* r, const OliDocument& doc, size_t from) {
    Surface_Hold hold;
    hold.surface = oli_lib.cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
    if (oli_lib.cairo_surface_status(hold.surface) != CAIRO_STATUS_SUCCESS) return false;
    r->surface = hold.surface;
    r->cr = hold.cr = oli_lib.cairo_create(hold.surface);
    if (from == 0) {
        Run(r, doc);
    } else {
        Page_Surface(r);
        Run_Blocks(r, doc, from);
    }
    return true;
}

}  // namespace

void Pass_Before_Block(Render* r, size_t i) { r->pass->kept.emplace_back(i, r->at); }

bool Pass_At_Page_Break(Render* r) {
    Pass* pass = r->pass;
    const std::vector<Drawn>& on_page = r->at.on_page;
    size_t i = on_page.size();
    while (i > 0 && on_page[i - 1].heading) --i;
    if (r->shared && i > 0 && i < on_page.size() &&
        r->shared->break_before.insert({on_page[i].block, on_page[i].line}).second) {
        pass->moved = true;
        pass->moved_at = {on_page[i].block, on_page[i].line};
        r->done = true;  // the pages after it are laid out by the next pass
        return true;
    }
    // Only the block being drawn runs onto the new page.
    if (pass->kept.size() > 1) pass->kept.erase(pass->kept.begin(), pass->kept.end() - 1);
    return false;
}

int Move_Headings(const OliDocument& doc, Shared* shared) {
    std::vector<std::pair<size_t, Place>> before;  // the places the last pass kept
    size_t from = 0;
    int pages = 0;
    for (size_t n = 0; n <= doc.blocks.size(); ++n) {
        Pass pass;
        Render r;
        r.pass = &pass;
        r.shared = shared;
        r.layout_only = true;
        bool resumed = false;
        for (const auto& [block, place] : before)
            if (from > 0 && block == from) r.at = place, resumed = true;
        if (!resumed) from = 0;  // no place kept there: from the start
        if (!Run_Pass(&r, doc, from)) return 0;
        pages = r.at.page;
        if (!pass.moved || pass.moved_at.first < 0) break;
        before = std::move(pass.kept);
        // A heading before the place the pass went on from (none is
        // expected) leaves the moves after it to be found again.
        if (static_cast<size_t>(pass.moved_at.first) < from)
            shared->break_before.erase(shared->break_before.upper_bound(pass.moved_at), shared->break_before.end());
        from = static_cast<size_t>(pass.moved_at.first);
    }
    return pages;
}

}  // namespace oli_render
