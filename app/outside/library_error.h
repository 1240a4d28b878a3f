#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace kalvest {

// A library that the program loads by name at run time could not be loaded,
// or lacks an entry point. It names both, so that whoever catches it (the
// run of a window, the command-line tool) can tell the user what is missing.
class LibraryError : public std::runtime_error {
public:
    LibraryError(std::string library, std::string entry_point,
                 const std::string& message)
        : std::runtime_error(message),
          library_(std::move(library)),
          entry_point_(std::move(entry_point)) {}

    const std::string& library() const { return library_; }
    const std::string& entry_point() const { return entry_point_; }

private:
    std::string library_;
    std::string entry_point_;
};

}  // namespace kalvest
