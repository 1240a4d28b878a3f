#include "outside/varquel_binding.h"

#include <atomic>
#include <cctype>
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
using PhaseFunction = double(KALVEST_STDCALL*)(std::int32_t, std::int32_t,
                                               phase_record*);

struct Binding {
    std::mutex mutex;
    std::unique_ptr<DynamicLibrary> library =
        std::make_unique<DynamicLibrary>("varquel", DefaultVarquelFileName());
    // Each resolved once; read without the lock on every later call.
    std::atomic<DeltaTFunction> deltat{nullptr};
    std::atomic<PhaseFunction> phase{nullptr};
};

Binding& TheBinding() {
    static Binding binding;
    return binding;
}

// The entry point `function` (with `argument_bytes` for its Windows name)
// held in `slot`, resolved under the lock when it is not yet.
template <typename Function>
Function Resolve(std::atomic<Function> Binding::*slot, const char* function,
                 int argument_bytes) {
    Binding& b = TheBinding();
    std::lock_guard<std::mutex> lock(b.mutex);
    Function f = (b.*slot).load(std::memory_order_acquire);
    if (!f) {
        f = reinterpret_cast<Function>(
            b.library->Symbol(VarquelExportName(function, argument_bytes)));
        (b.*slot).store(f, std::memory_order_release);
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
    if (!f) f = Resolve(&Binding::deltat, "deltat", 12);
    return f(year, pivot);
}

double VarquelPhase(std::int32_t lunation, std::int32_t phase,
                    phase_record* record) {
    PhaseFunction f = TheBinding().phase.load(std::memory_order_acquire);
    if (!f) f = Resolve(&Binding::phase, "varquel", 12);
    return f(lunation, phase, record);
}

std::string VersionOfLibraryFileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    for (const char* ending : {".dylib", ".dll"}) {
        const std::string e = ending;
        if (name.size() > e.size() && name.compare(name.size() - e.size(), e.size(), e) == 0) {
            name.resize(name.size() - e.size());
        }
    }
    // The version is the longest run of digits and points at the end that
    // follows a point ("so.1.0.0", "varquel.1.0.0").
    std::size_t start = name.size();
    while (start > 0 && (std::isdigit(static_cast<unsigned char>(name[start - 1])) ||
                         name[start - 1] == '.')) {
        --start;
    }
    while (start < name.size() && name[start] == '.') ++start;
    if (start == name.size() || start == 0 || name[start - 1] != '.') return {};
    return name.substr(start);
}

VarquelFile VarquelLibraryFile() {
    Binding& b = TheBinding();
    std::lock_guard<std::mutex> lock(b.mutex);
    VarquelFile file;
    file.file_name = b.library->file_name();
    file.loaded_from = b.library->LoadedFile(VarquelExportName("deltat", 12));
    file.version = VersionOfLibraryFileName(file.loaded_from);
    return file;
}

void UseVarquelLibraryFile(const std::string& file_name) {
    Binding& b = TheBinding();
    std::lock_guard<std::mutex> lock(b.mutex);
    b.deltat.store(nullptr, std::memory_order_release);
    b.phase.store(nullptr, std::memory_order_release);
    b.library = std::make_unique<DynamicLibrary>("varquel", file_name);
}

}  // namespace kalvest
