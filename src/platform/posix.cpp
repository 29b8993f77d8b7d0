/* posix.cpp -- Windows and runtime calls on POSIX (first cut). */
#include "platform/posix.h"
#include <cstdio>

char* VEK_Native_Path(char*, size_t, const char*) { return nullptr; }
char* VEK_Join_Path(char*, size_t, const char*, const char*) { return nullptr; }
unsigned int GetTempFileNameA(const char*, const char*, unsigned int, char*) { return 0; }
char* _tempnam(const char*, const char*) { return nullptr; }
char* _getcwd(char*, int) { return nullptr; }
int _access(const char*, int) { return -1; }
char* _fullpath(char*, const char*, size_t) { return nullptr; }
void _splitpath(const char*, char* d, char* p, char* f, char* e) { if (d) *d = 0; if (p) *p = 0; if (f) *f = 0; if (e) *e = 0; }
int _flushall(void) { std::fflush(nullptr); return 0; }
int DeleteFileA(const char*) { return 0; }
unsigned int GetTickCount(void) { return 0; }
void Sleep(unsigned int) {}
