// The Windows interface for the files that call it directly: <windows.h>
// and the UTF-16 forms of the program's UTF-8 text, which its
// wide-character calls take. Elsewhere this header holds nothing.
#pragma once

#if defined(_WIN32)
#include <windows.h>

#include "common/utf_text.h"
#endif
