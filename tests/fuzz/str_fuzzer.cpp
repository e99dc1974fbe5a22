// StrCopyBounded with any size and source, and CmdLineAppend at any position,
// each writing into a heap block of exactly the size it is allowed to use.
#include <stdint.h>
#include <string.h>

#include <string>

#include "fuzz_check.h"
#include "text/mbcs.h"
#include "text/str.h"

namespace {

void CheckCopy(size_t n, const std::string& source)
{
    char* src = static_cast<char*>(malloc(source.size() + 1));
    memcpy(src, source.c_str(), source.size() + 1);
    char* dest = static_cast<char*>(malloc(n));
    memset(dest, 0xAA, n);
    FUZZ_CHECK(StrCopyBounded(n, dest, src) == dest);
    const size_t k = strnlen(dest, n);
    FUZZ_CHECK(k < n);  // terminated
    FUZZ_CHECK(memcmp(dest, src, k) == 0);
    if (k < source.size()) {
        // Cut: as late as the size allows, but never between a lead and its trail.
        FUZZ_CHECK(MbcsByteClassAt(src, static_cast<unsigned>(k)) != MBC_TRAIL);
        FUZZ_CHECK(k == n - 1 ||
                   (k == n - 2 && MbcsByteClassAt(src, static_cast<unsigned>(n - 1)) == MBC_TRAIL));
    }
    // Padded with NULs up to the copy's limit.
    for (size_t i = k; i + 1 < n; ++i) FUZZ_CHECK(dest[i] == '\0');
    free(dest);
    free(src);
}

void CheckAppend(size_t len, const std::string& piece)
{
    char* text = static_cast<char*>(malloc(piece.size() + 1));
    memcpy(text, piece.c_str(), piece.size() + 1);
    char* buf = static_cast<char*>(malloc(CMDLINE_BUFFER_SIZE));
    memset(buf, 0xAA, CMDLINE_BUFFER_SIZE);
    FUZZ_CHECK(CmdLineAppend(nullptr, len, text) == piece.size());
    const size_t a = CmdLineAppend(buf, len, text);
    if (len >= CMDLINE_BUFFER_SIZE) {
        FUZZ_CHECK(a == 0);
        for (size_t i = 0; i < CMDLINE_BUFFER_SIZE; ++i) FUZZ_CHECK(buf[i] == '\xAA');
    } else {
        const size_t room = CMDLINE_BUFFER_SIZE - 1 - len;
        FUZZ_CHECK(a == (piece.size() < room ? piece.size() : room));
        for (size_t i = 0; i < len; ++i) FUZZ_CHECK(buf[i] == '\xAA');
        FUZZ_CHECK(memcmp(buf + len, text, a) == 0);
        for (size_t i = len + a; i < CMDLINE_BUFFER_SIZE; ++i) FUZZ_CHECK(buf[i] == '\0');
    }
    free(buf);
    free(text);
}

}  // namespace

// Input: two bytes of size (copy: 1..320) and two of position (append:
// 0..1099), then the text, which stops at its first NUL.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4) return 0;
    const size_t n = 1 + ((data[0] << 8) | data[1]) % 320;
    const size_t len = ((data[2] << 8) | data[3]) % 1100;
    const char* rest = reinterpret_cast<const char*>(data + 4);
    const std::string text(rest, strnlen(rest, size - 4));
    CheckCopy(n, text);
    // Long texts for the append: the input repeated up to past the buffer.
    std::string piece = text;
    while (!text.empty() && piece.size() < 1100 && (data[3] & 1)) piece += text;
    CheckAppend(len, piece);
    return 0;
}
