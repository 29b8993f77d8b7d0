/* stdio_table.h -- the record through which the program hands its stream
 * functions to the window library, so that both work on the same streams.
 *
 * The program fills one table at start-up and publishes it with
 * VEKSetStdioFctPtr (desktop.h); the print-list layout calls and the
 * print-list writers then write through its fprintf entry (VEK_Stdio_Write
 * of format.h).
 */
#ifndef PLATFORM_STDIO_TABLE_H
#define PLATFORM_STDIO_TABLE_H

#include <cstdint>
#include <cstdio>

// The program's stream functions as the window library takes them: the
// count 18 and then the 18 entries in this fixed order. The print-list
// writers write through fprintf_fct (the eighth word).
struct VEKStdioFctTable {
    std::intptr_t count;  // 18
    FILE* (*fopen_fct)(const char*, const char*);
    int (*fclose_fct)(FILE*);
    size_t (*fread_fct)(void*, size_t, size_t, FILE*);
    size_t (*fwrite_fct)(const void*, size_t, size_t, FILE*);
    int (*ferror_fct)(FILE*);
    int (*fscanf_fct)(FILE*, const char*, ...);
    int (*fprintf_fct)(FILE*, const char*, ...);
    int (*fseek_fct)(FILE*, long, int);
    long (*ftell_fct)(FILE*);
    int (*fsetpos_fct)(FILE*, const fpos_t*);
    int (*fgetpos_fct)(FILE*, fpos_t*);
    char* (*fgets_fct)(char*, int, FILE*);
    int (*fgetc_fct)(FILE*);
    int (*fputs_fct)(const char*, FILE*);
    int (*fputc_fct)(int, FILE*);
    int (*ungetc_fct)(int, FILE*);
    int (*sscanf_fct)(const char*, const char*, ...);
    int (*sprintf_fct)(char*, const char*, ...);
};

#endif
