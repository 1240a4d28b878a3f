// The four-character eclipse tags and their classification numbers.

#include <string.h>

#include "lunation.h"

namespace kalvest::moon {
namespace {

// Codes 1..10 in order, closed by the empty string. "No eclipse" (four
// blanks) is deliberately absent: its code is the 0 of "not found".
constexpr const char* kEclipseTags[] = {
    "P   ", "CA  ", "CT  ", "NCT ", "NCA ", "CAT ", "NCAT", "LP  ", "LU  ", "LT  ", "",
};

}  // namespace

int32_t EclipseCode(const char* tag) {
    for (int32_t i = 0; kEclipseTags[i][0] != '\0'; ++i) {
        if (strcmp(kEclipseTags[i], tag) == 0) return i + 1;
    }
    return 0;
}

}  // namespace kalvest::moon
