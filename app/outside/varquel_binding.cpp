#include "outside/varquel_binding.h"

#include <atomic>
#include <memory>
#include <mutex>

#include "common/install_paths.h"
#include "outside/dynamic_library.h"

namespace kalvest {
namespace {

#if defined(_WIN32) && !defined(_WIN64)
#define KALVEST_STDCALL __stdcall
#else
#define KALVEST_STDCALL
#endif

using DeltaTFunction = double(KALVEST_STDCALL*)(double, std::int32_t);

struct Binding {
    std::mutex mutex;
    std::unique_ptr<DynamicLibrary> library =
        std::make_unique<DynamicLibrary>("varquel", DefaultVarquelFileName());
    // Resolved once; read without the lock on every later call.
    std::atomic<DeltaTFunction> deltat{nullptr};
};

Binding& TheBinding() {
    static Binding binding;
    return binding;
}

DeltaTFunction ResolveDeltaT() {
    Binding& b = TheBinding();
    std::lock_guard<std::mutex> lock(b.mutex);
    DeltaTFunction f = b.deltat.load(std::memory_order_acquire);
    if (!f) {
        f = reinterpret_cast<DeltaTFunction>(
            b.library->Symbol(VarquelExportName("deltat", 12)));
        b.deltat.store(f, std::memory_order_release);
    }
    return f;
}

}  // namespace

std::string VarquelExportName(const std::string& function,
                              int argument_bytes) {
#if defined(_WIN32) && !defined(_WIN64)
    return "_" + function + "@" + std::to_string(argument_bytes);
#else
    (void)argument_bytes;
    return function;
#endif
}

std::string DefaultVarquelFileName() { return kVarquelFileName; }

double VarquelDeltaT(double year, std::int32_t pivot) {
    DeltaTFunction f = TheBinding().deltat.load(std::memory_order_acquire);
    if (!f) f = ResolveDeltaT();
    return f(year, pivot);
}

void UseVarquelLibraryFile(const std::string& file_name) {
    Binding& b = TheBinding();
    std::lock_guard<std::mutex> lock(b.mutex);
    b.deltat.store(nullptr, std::memory_order_release);
    b.library = std::make_unique<DynamicLibrary>("varquel", file_name);
}

}  // namespace kalvest
