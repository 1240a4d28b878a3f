/* sin, cos and sincos by the x87 instructions fsin and fcos, as MinGW-w64's
 * C runtime computes them for varquel.dll: preloaded into the Linux sweep
 * (LD_PRELOAD), it gives the results of the 32-bit DLL on a processor that
 * runs it natively rather than through qemu-i386, which computes the two
 * instructions with glibc. x86-64 only; the library's arguments are below
 * 2^63, where the instructions need no reduction of their own. */
static double x87_sin(double x) {
    long double r = x;
    __asm__("fsin" : "+t"(r));
    return (double)r;
}

static double x87_cos(double x) {
    long double r = x;
    __asm__("fcos" : "+t"(r));
    return (double)r;
}

double sin(double x) { return x87_sin(x); }
double cos(double x) { return x87_cos(x); }

void sincos(double x, double *s, double *c) {
    *s = x87_sin(x);
    *c = x87_cos(x);
}
