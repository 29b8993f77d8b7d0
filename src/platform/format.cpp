/* format.cpp -- formatting into buffers and writing through the stdio table
 * (see format.h). */
#include "platform/format.h"

#include <cassert>

#include "platform/desktop.h"

int VEK_Format_Bounded_V(char* buffer, size_t size, const char* format, va_list ap)
{
    assert(buffer && size >= 1);
    if (!buffer || size < 1) return -1;
    buffer[0] = '\0';
    if (!format) return 0;
    const int n = std::vsnprintf(buffer, size, format, ap);
    if (n < 0) buffer[0] = '\0';
    return n;
}

bool VEK_Format_String_V(std::string& out, const char* format, va_list ap)
{
    out.clear();
    if (!format) return true;
    char small[1000];  /* most texts fit; only longer ones are formatted twice */
    va_list again;
    va_copy(again, ap);
    const int n = std::vsnprintf(small, sizeof small, format, ap);
    if (n >= 0 && static_cast<size_t>(n) < sizeof small) {
        out.assign(small, static_cast<size_t>(n));
    } else if (n >= 0) {
        out.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(out.data(), out.size(), format, again);
        out.resize(static_cast<size_t>(n));
    }
    va_end(again);
    return n >= 0;
}

bool VEK_Format_Once(VEK_Formatted* f, const char* format, va_list ap)
{
    f->text = f->small;
    f->size = 0;
    f->small[0] = '\0';
    if (!format) return true;
    va_list again;
    va_copy(again, ap);
    const int n = std::vsnprintf(f->small, sizeof f->small, format, ap);
    if (n >= static_cast<int>(sizeof f->small)) {
        VEK_Format_String_V(f->large, format, again);
        f->text = f->large.c_str();
        f->size = f->large.size();
    } else if (n > 0) {
        f->size = static_cast<size_t>(n);
    } else {
        f->small[0] = '\0';
    }
    va_end(again);
    return n >= 0;
}

int VEK_Stdio_Write(FILE* stream, const char* text)
{
    if (!stream) return -1;
    if (!text) text = "";
    if (VEK_STDIO_FCT && VEK_STDIO_FCT->fprintf_fct) return VEK_STDIO_FCT->fprintf_fct(stream, "%s", text);
    return std::fprintf(stream, "%s", text);
}

int VEK_Stdio_Write_Bytes(FILE* stream, const char* text, size_t n)
{
    if (!stream) return -1;
    if (n == 0) return 0;
    const size_t done = VEK_STDIO_FCT && VEK_STDIO_FCT->fwrite_fct ? VEK_STDIO_FCT->fwrite_fct(text, 1, n, stream)
                                                                   : std::fwrite(text, 1, n, stream);
    return done == n ? static_cast<int>(n) : -1;
}
