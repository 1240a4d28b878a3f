// The fuzz targets' check of an invariant: a broken one names its file and
// line, then ends the run as a crash, which libFuzzer reports with the input.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace kalvest_fuzz {

inline void Check(bool condition, const char* file = __builtin_FILE(),
                  int line = __builtin_LINE()) {
    if (condition) return;
    std::fprintf(stderr, "invariant broken at %s:%d\n", file, line);
    std::abort();
}

}  // namespace kalvest_fuzz
