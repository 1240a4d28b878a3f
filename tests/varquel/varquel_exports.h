// varquel's phase and environment exports, resolved by name from the built
// library, the way other programs call them.
#pragma once

#include <cstdint>

#include "outside/dynamic_library.h"
#include "outside/varquel_binding.h"
#include "varquel.h"

namespace kalvest::testing {

#if defined(_WIN32) && !defined(_WIN64)
#define KALVEST_TEST_STDCALL __stdcall
#else
#define KALVEST_TEST_STDCALL
#endif

using PhaseFunction = double(KALVEST_TEST_STDCALL*)(std::int32_t, std::int32_t, phase_record*);
using Getenv1Function = std::int32_t(KALVEST_TEST_STDCALL*)(const char*, char*);
using Getenv2Function = std::int32_t(KALVEST_TEST_STDCALL*)(const char*, char*, std::int32_t);

inline DynamicLibrary& Varquel() {
    static DynamicLibrary library("varquel", DefaultVarquelFileName());
    return library;
}

inline PhaseFunction LoadPhase() {
    return reinterpret_cast<PhaseFunction>(Varquel().Symbol(VarquelExportName("varquel", 12)));
}

inline Getenv1Function LoadGetenv1() {
    return reinterpret_cast<Getenv1Function>(Varquel().Symbol(VarquelExportName("getenv1", 8)));
}

inline Getenv2Function LoadGetenv2() {
    return reinterpret_cast<Getenv2Function>(Varquel().Symbol(VarquelExportName("getenv2", 12)));
}

// One call with a record; the result is also kept.
struct Phase {
    double result;
    phase_record record;
};

inline Phase PhaseOf(std::int32_t lunation, std::int32_t phase) {
    Phase p{};
    p.result = LoadPhase()(lunation, phase, &p.record);
    return p;
}

}  // namespace kalvest::testing
