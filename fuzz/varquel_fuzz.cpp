// varquel's exports over arbitrary arguments. deltat is the modern
// parabola from the pivot on and a plausible estimate (or 0) before it;
// varquel fills its record within the documented ranges and gives an
// instant near the mean lunation's; getenv1 and getenv2 copy the value
// exactly, and getenv2 writes no byte past a buffer of any size (ASan
// watches each buffer's end).
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "varquel.h"

#include "fuzz_check.h"

namespace {

using kalvest_fuzz::Check;

template <typename T>
T Take(const std::uint8_t*& data, std::size_t& size) {
    T value{};
    const std::size_t n = size < sizeof value ? size : sizeof value;
    std::memcpy(&value, data, n);
    data += n;
    size -= n;
    return value;
}

void CheckDeltaT(double year, std::int32_t pivot) {
    const double minutes = deltat(year, pivot);
    if (year >= pivot) {
        const double t = (year - 2000.0) * 0.01;
        const double parabola = (65.04 + 76.14 * t + 41.61 * t * t) / 60.0;
        Check(minutes == parabola || (std::isnan(minutes) && std::isnan(parabola)) ||
              std::fabs(minutes - parabola) <= 1e-12 * std::fabs(parabola));
        return;
    }
    // The mean of estimates within -1000..60000 minutes, or 0 when there is
    // none: never outside that range, never NaN.
    Check(minutes >= -1000.0 && minutes <= 60000.0);
}

void CheckPhase(std::int32_t lunation, std::int32_t phase) {
    phase_record record;
    std::memset(&record, 0x5A, sizeof record);  // no field may keep this
    const double jde = varquel(lunation, phase, &record);
    Check(std::isfinite(jde));
    Check(varquel(lunation, phase, nullptr) == jde);
    Check(record.lunation == lunation && record.phase == phase);
    Check(record.jde == 0.0 || record.jde == jde);
    const bool quarter = phase == VARQUEL_FIRST_QUARTER || phase == VARQUEL_LAST_QUARTER;
    if (quarter) {
        phase_record zero{};
        zero.lunation = lunation;
        zero.phase = phase;
        Check(std::memcmp(&record, &zero, sizeof record) == 0);
    } else {
        Check(record.saros >= 1 && record.saros <= 223);
        Check(record.jde == jde);
        Check(std::isfinite(record.jde_max) && std::isfinite(record.gamma) &&
              std::isfinite(record.u));
        const bool full = phase == VARQUEL_FULL_MOON;
        if (record.eclipse != VARQUEL_NO_ECLIPSE) {
            Check(full ? record.eclipse >= VARQUEL_LUNAR_PENUMBRAL &&
                             record.eclipse <= VARQUEL_LUNAR_TOTAL
                       : record.eclipse >= VARQUEL_SOLAR_PARTIAL &&
                             record.eclipse <= VARQUEL_SOLAR_NONCENTRAL_HYBRID);
        }
        for (const double sd : {record.sd_penumbral, record.sd_partial, record.sd_total}) {
            Check(std::isfinite(sd) && sd >= 0.0);
        }
        if (!full) Check(record.sd_penumbral == 0.0 && record.mag_penumbral == 0.0);
        // For the Moon's real orbit (the lunations of thousands of years
        // round ours; far beyond, the series' powers of time leave it): the
        // umbra within the penumbra, so semidurations nest, total within
        // partial within penumbral.
        if (std::abs(static_cast<std::int64_t>(lunation)) < 20000) {
            Check(record.mag_umbral <= record.mag_penumbral);
            Check(record.sd_total <= record.sd_partial && record.sd_partial <= record.sd_penumbral);
        }
    }
    // Near the mean lunation: the series add well under a day to it, for
    // the lunations of many millennia around ours.
    if (std::abs(static_cast<std::int64_t>(lunation)) < 20000 && phase >= 0 && phase <= 3) {
        const double k = lunation + 0.25 * phase;
        Check(std::fabs(jde - (2451550.09765 + 29.530588853 * k)) < 2.0);
    }
}

void CheckEnvironment(const std::string& name, const std::string& value, bool set) {
    static const char kVariable[] = "KALVEST_FUZZ_VALUE";
    const std::string variable = set ? kVariable : name;
    if (set) setenv(kVariable, value.c_str(), 1);
    const char* real = std::getenv(variable.c_str());
    const std::string expected = real ? real : "";
    const auto length = static_cast<std::int32_t>(expected.size());

    Check(getenv2(variable.c_str(), nullptr, 0) == (real ? length : -1));
    Check(getenv2(nullptr, nullptr, 0) == -1);
    for (std::int32_t size = -1; size <= length + 2; ++size) {
        // Exactly `size` bytes, on the heap, so that ASan sees one more.
        std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 0), '#');
        char* at = size > 0 ? buffer.data() : nullptr;
        Check(getenv2(variable.c_str(), at, size) == (real ? length : -1));
        if (size <= 0) continue;
        const std::size_t copied = std::min<std::size_t>(expected.size(), size - 1);
        Check(std::memcmp(at, expected.data(), copied) == 0 && at[copied] == '\0');
    }
    std::vector<char> whole(expected.size() + 1, '#');
    Check(getenv1(variable.c_str(), whole.data()) == 0);
    Check(std::string(whole.data()) == expected);
    Check(getenv1(variable.c_str(), nullptr) == 0);
    if (set) unsetenv(kVariable);
}

}  // namespace

// The first byte picks the export (its low two bits) and the forms of its
// arguments (bits 4 and 8); the rest are the arguments.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t which = *data++;
    --size;
    switch (which & 3) {
    case 0:
    case 3: {
        double year = Take<double>(data, size);
        const std::int32_t pivot = (which & 4) ? 1915 : Take<std::int32_t>(data, size);
        // The years of history as well as any double at all.
        if (which & 8) year = std::fmod(year, 40000.0);
        CheckDeltaT(year, pivot);
        break;
    }
    case 1: {
        const auto lunation = Take<std::int32_t>(data, size);
        const auto phase = Take<std::int32_t>(data, size);
        CheckPhase((which & 4) ? lunation % 20000 : lunation, (which & 8) ? phase & 3 : phase);
        break;
    }
    case 2: {
        const std::string text(reinterpret_cast<const char*>(data), size);
        // Up to the first NUL: a C string; the name is arbitrary, the value
        // set for a variable of the fuzzer's own.
        CheckEnvironment(text.c_str(), text.c_str(), (which & 4) != 0);
        break;
    }
    }
    return 0;
}
