// Fuzz target: the bitmap reader of the screen stand-in. The first four
// bytes pick the drawing mode, the source rectangle and the target; the
// rest is the bitmap file, written under a private directory. The size
// query and both drawing calls read it. Checked: a bitmap that reads has a
// size of 1 to 16384 pixels each way, the drawing calls agree with the size
// query on whether it reads (the partial one draws when its source
// rectangle meets the bitmap), and a file that is not read leaves the sizes
// alone.
#include <algorithm>

#include "fuzz_common.h"

#include "platform/screen.h"

namespace {

[[noreturn]] void Fail(const char* what) { fuzz::Fail("bitmap", what); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Quiet();
    static const std::string path = fuzz::Dir() + "/picture.bmp";
    if (size < 4) return 0;
    if (!fuzz::Write(path, data + 4, size - 4)) return 0;
    int width = -7, height = -7;
    const int read = pxQDIBSize(path.c_str(), &width, &height);
    if (read != 0 && read != 1) Fail("size query neither 0 nor 1");
    if (read && (width < 1 || width > 16384 || height < 1 || height > 16384)) Fail("size out of range");
    if (!read && (width != -7 || height != -7)) Fail("sizes set for a file not read");
    // Small targets keep a run short; the modes 0..2 and the colour choices
    // (index, colour, none) all come up.
    const int mode = data[0] % 3, x = data[1] % 64, y = data[2] % 64, w = 1 + data[3] % 64;
    const int ci = data[0] & 8 ? (data[0] >> 4) : -1, r = data[0] & 4 ? 255 : -1;
    if (pxDrawTransparentDIB(path.c_str(), x, y, x + w, y + w, mode, ci, r, 0, 255) != read)
        Fail("drawing and size query disagree");
    const int sx = data[1] >> 4, sy = data[2] >> 4;
    const int sx2 = data[3] & 1 ? -1 : sx + (data[3] >> 4), sy2 = data[3] & 2 ? -1 : sy + (data[3] >> 5);
    // The source corners come in either order, a negative far corner stands
    // for the bitmap's edge; a rectangle wholly beyond the bitmap leaves
    // nothing to draw.
    const int far_x = sx2 < 0 ? width - 1 : sx2, far_y = sy2 < 0 ? height - 1 : sy2;
    const int inside = read && std::min(sx, far_x) < width && std::min(sy, far_y) < height;
    if (pxDrawPartialTransparentDIB(path.c_str(), sx, sy, sx2, sy2, y, x, y + w, x + w, mode, ci, r, 128, 0) !=
        inside)
        Fail("partial drawing and size query disagree");
    return 0;
}
