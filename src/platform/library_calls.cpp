#include "platform/library_calls.h"

#include <dlfcn.h>

#include <vector>

int VEK_Open_Library_Calls(const char* const sonames[], int libraries, const char* const names[], void* slots[],
                           int count, std::string* why)
{
    std::string ignored;
    if (!why) why = &ignored;
    if (!sonames || !names || !slots || libraries <= 0 || count < 0) {
        *why = "no libraries named";
        return 0;
    }
    std::vector<void*> handles;
    for (int l = 0; l < libraries; ++l) {
        void* h = dlopen(sonames[l], RTLD_NOW | RTLD_LOCAL);
        if (!h) {
            const char* e = dlerror();
            *why = e ? e : std::string(sonames[l]) + ": cannot be opened";
            return 0;
        }
        handles.push_back(h);
    }
    std::vector<void*> found(count, nullptr);
    for (int i = 0; i < count; ++i) {
        for (void* h : handles)
            if ((found[i] = dlsym(h, names[i]))) break;
        if (!found[i]) {
            *why = std::string(names[i]) + " is in none of";
            for (int l = 0; l < libraries; ++l) *why += std::string(" ") + sonames[l];
            return 0;
        }
    }
    for (int i = 0; i < count; ++i) slots[i] = found[i];
    return 1;
}
