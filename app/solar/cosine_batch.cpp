#include "solar/cosine_batch.h"

#include <cmath>

#include "common/fast_trig.h"

namespace kalvest {

void CosineBatch(const double* x, double* out, std::size_t n) {
    bool fast = true;
    for (std::size_t i = 0; i < n; ++i) {
        fast = fast && std::fabs(x[i]) <= kFastCosineLimit;  // false for NaN
    }
    if (!fast) {
        for (std::size_t i = 0; i < n; ++i) out[i] = std::cos(x[i]);
        return;
    }
    for (std::size_t i = 0; i < n; ++i) out[i] = fast_trig::Cos(x[i]);
}

}  // namespace kalvest
