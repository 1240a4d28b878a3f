// Texts of the messages a calculation run can show.
#pragma once

#include <string>

#include "outside/library_error.h"

namespace kalvest {

inline constexpr const char* kNoEventMessage = "At least one event must be selected.";
inline constexpr const char* kNoMethodMessage =
    "When calculating cross-quarter days at least one of 'True sun' and "
    "'Mean sun' must be selected.";

// What the user is told when a library the run needs cannot be used: the
// library, the entry point, and the system's own reason.
std::string LibraryFailureMessage(const LibraryError& error);

}  // namespace kalvest
