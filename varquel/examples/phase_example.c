/* The full moon of 2000 January 21 and its total lunar eclipse, from C.
 * Build against an installed varquel:
 *   cc phase_example.c $(pkg-config --cflags --libs varquel)
 * or with CMake through find_package(varquel) (CMakeLists.txt here). */
#include <stdio.h>

#include "varquel.h"

int main(void) {
    phase_record record;
    double jde = varquel(0, VARQUEL_FULL_MOON, &record);  /* lunation 0 */
    printf("full moon JDE %.5f, eclipse %d, saros %d, umbral magnitude %.3f\n",
           jde, record.eclipse, record.saros, record.mag_umbral);

    char home[256];
    int32_t length = getenv2("HOME", home, sizeof home);
    if (length >= (int32_t)sizeof home) printf("HOME is longer than %zu bytes\n", sizeof home);
    else if (length >= 0) printf("HOME is %s\n", home);
    return 0;
}
