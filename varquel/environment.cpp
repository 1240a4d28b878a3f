// Environment lookup for callers that cannot read the process environment
// themselves. Reads the C runtime's copy of the environment.

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "varquel.h"

namespace {

// Value of `name`, or null when it is unset or the name is missing.
const char* ValueOf(const char* name) {
    if (!name) return nullptr;
    return getenv(name);
}

}  // namespace

extern "C" int32_t VARQUEL_CALL getenv1(const char* name, char* buffer) {
    if (!buffer) return 0;
    const char* value = ValueOf(name);
    if (!value) value = "";
    // The caller vouches for the room; there is no size to check against.
    memcpy(buffer, value, strlen(value) + 1);
    return 0;
}

extern "C" int32_t VARQUEL_CALL getenv2(const char* name, char* buffer, int32_t size) {
    const char* value = ValueOf(name);
    const size_t length = value ? strlen(value) : 0;
    if (buffer && size > 0) {
        const size_t room = static_cast<size_t>(size) - 1;
        const size_t copied = length < room ? length : room;
        if (copied > 0) memcpy(buffer, value, copied);
        buffer[copied] = '\0';
    }
    if (!value) return -1;
    return length > INT32_MAX ? INT32_MAX : static_cast<int32_t>(length);
}
