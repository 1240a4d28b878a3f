/* Calls every export of varquel over a sweep of years and lunations and
 * prints each result exactly (hexadecimal floating point), so that two
 * builds of the library can be compared bit for bit. On Windows it loads
 * varquel.dll by file name with LoadLibraryW and finds each export by its
 * name: the decorated standard-call names on 32-bit Windows (_deltat@12),
 * the plain ones on 64-bit Windows; elsewhere it uses dlopen and dlsym.
 * Usage: varquel_sweep LIBRARY_FILE */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "varquel.h"

#if defined(_WIN32)
#include <windows.h>
#if defined(_WIN64)
#define EXPORT_NAME(plain, decorated) plain
#else
#define EXPORT_NAME(plain, decorated) decorated
#endif
#define CALL __stdcall
#else
#include <dlfcn.h>
#define EXPORT_NAME(plain, decorated) plain
#define CALL
#endif

typedef double(CALL *deltat_function)(double, int32_t);
typedef double(CALL *varquel_function)(int32_t, int32_t, phase_record *);
typedef int32_t(CALL *getenv1_function)(const char *, char *);
typedef int32_t(CALL *getenv2_function)(const char *, char *, int32_t);

static void *library;

static void *open_library(const char *file) {
#if defined(_WIN32)
    wchar_t wide[1024];
    if (!MultiByteToWideChar(CP_UTF8, 0, file, -1, wide, 1024)) return NULL;
    return (void *)LoadLibraryW(wide);
#else
    return dlopen(file, RTLD_NOW);
#endif
}

static void *find(const char *name) {
#if defined(_WIN32)
    void *address = (void *)GetProcAddress((HMODULE)library, name);
#else
    void *address = dlsym(library, name);
#endif
    if (address == NULL) {
        fprintf(stderr, "no export %s\n", name);
        exit(1);
    }
    return address;
}

int main(int argc, char **argv) {
    if (argc != 2 || (library = open_library(argv[1])) == NULL) {
        fprintf(stderr, "usage: varquel_sweep LIBRARY_FILE (which must load)\n");
        return 1;
    }
    deltat_function deltat_call;
    varquel_function varquel_call;
    getenv1_function getenv1_call;
    getenv2_function getenv2_call;
    /* Object and function pointers convert through memcpy in ISO C. */
    void *address = find(EXPORT_NAME("deltat", "_deltat@12"));
    memcpy(&deltat_call, &address, sizeof address);
    address = find(EXPORT_NAME("varquel", "_varquel@12"));
    memcpy(&varquel_call, &address, sizeof address);
    address = find(EXPORT_NAME("getenv1", "_getenv1@8"));
    memcpy(&getenv1_call, &address, sizeof address);
    address = find(EXPORT_NAME("getenv2", "_getenv2@12"));
    memcpy(&getenv2_call, &address, sizeof address);

    /* Delta T: every quarter year from -3000 to 3000, with the program's
     * pivot and two others. */
    static const int32_t pivots[] = {1915, -500, 2100};
    for (int q = -12000; q <= 12000; ++q) {
        for (int p = 0; p < 3; ++p) {
            printf("deltat %g %d %a\n", q / 4.0, pivots[p], deltat_call(q / 4.0, pivots[p]));
        }
    }
    /* Every phase of every lunation from 5000 years before 2000 to 1000
     * after, with the whole record. */
    for (int32_t lunation = -62000; lunation <= 12400; lunation += 7) {
        for (int32_t phase = 0; phase < 4; ++phase) {
            phase_record r;
            memset(&r, 0, sizeof r);
            const double jde = varquel_call(lunation, phase, &r);
            printf("varquel %d %d %a %d %d %d %d %a %a %a %a %a %a %a %a %a\n", lunation,
                   phase, jde, r.lunation, r.phase, r.saros, r.eclipse, r.jde, r.jde_max,
                   r.gamma, r.u, r.mag_penumbral, r.mag_umbral, r.sd_penumbral, r.sd_partial,
                   r.sd_total);
        }
    }
    char buffer[64];
    memset(buffer, 'x', sizeof buffer);
    printf("getenv1 %d %s\n", getenv1_call("KALVEST_SWEEP_VALUE", buffer), buffer);
    memset(buffer, 'x', sizeof buffer);
    printf("getenv2 %d %s\n", getenv2_call("KALVEST_SWEEP_VALUE", buffer, 6), buffer);
    printf("getenv2 unset %d\n", getenv2_call("KALVEST_SWEEP_NEVER_SET", buffer, 6));
    return 0;
}
