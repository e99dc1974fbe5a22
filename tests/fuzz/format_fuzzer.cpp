// StrFormatBounded with any size, any %s text and any %c value, over the
// forms the program uses: never past n, always terminated, -1 exactly when cut.
#include <stdarg.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "fuzz_check.h"
#include "text/format.h"

namespace {

// Every form takes a text and a character, in this order.
const char* const kForms[] = {
    "%s%c%c",  // double-null path list (the character is replaced by 0)
    "%s",      // with the character unused
    "%s%c",
    "argv[%2d]=%s\r\n",  // integer from the character
    "[%-12s|%c]",
    "%.7s%c",
    "%c%s%c",
};

// The whole text, however long: the reference for what a cut keeps.
std::string Full(const char* format, ...)
{
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    const int len = vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::vector<char> out(static_cast<size_t>(len) + 1);
    vsnprintf(out.data(), out.size(), format, again);
    va_end(again);
    return std::string(out.data(), static_cast<size_t>(len));
}

void Check(size_t n, unsigned form, const char* text, int c)
{
    char* buf = static_cast<char*>(malloc(n));  // n = 0 included: nothing may be written
    std::string full;
    int r = 0;
    switch (form) {
        case 0:
            full = Full(kForms[0], text, 0, 0);
            r = StrFormatBounded(n, buf, kForms[0], text, 0, 0);
            break;
        case 1:
            full = Full(kForms[1], text);
            r = StrFormatBounded(n, buf, kForms[1], text);
            break;
        case 3:
            full = Full(kForms[3], c, text);
            r = StrFormatBounded(n, buf, kForms[3], c, text);
            break;
        case 6:
            full = Full(kForms[6], c, text, c);
            r = StrFormatBounded(n, buf, kForms[6], c, text, c);
            break;
        default:
            full = Full(kForms[form], text, c);
            r = StrFormatBounded(n, buf, kForms[form], text, c);
            break;
    }
    if (n == 0) {
        FUZZ_CHECK(r == -1);
    } else if (full.size() <= n - 1) {
        FUZZ_CHECK(r == static_cast<int>(full.size()));
        FUZZ_CHECK(memcmp(buf, full.data(), full.size()) == 0);
        FUZZ_CHECK(buf[full.size()] == '\0');
    } else {
        FUZZ_CHECK(r == -1);
        FUZZ_CHECK(memcmp(buf, full.data(), n - 1) == 0);
        FUZZ_CHECK(buf[n - 1] == '\0');
    }
    free(buf);
}

}  // namespace

// Input: two bytes of size (0..299), the form, the character, then the text,
// which stops at its first NUL.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4) return 0;
    const size_t n = ((data[0] << 8) | data[1]) % 300;
    const unsigned form = data[2] % (sizeof kForms / sizeof kForms[0]);
    const int c = static_cast<signed char>(data[3]);
    const char* rest = reinterpret_cast<const char*>(data + 4);
    const std::string text(rest, strnlen(rest, size - 4));
    Check(n, form, text.c_str(), c);
    return 0;
}
