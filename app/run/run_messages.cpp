#include "run/run_messages.h"

namespace kalvest {

std::string LibraryFailureMessage(const LibraryError& error) {
    return "The calculation was stopped: the library \"" + error.library() +
           "\" or its entry point \"" + error.entry_point() +
           "\" is not available.\r\n\r\n" + error.what();
}

}  // namespace kalvest
