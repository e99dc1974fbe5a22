// The path, string and template routines on any bytes, each writing into a
// heap block of exactly the size it may use, so AddressSanitizer sees any
// byte written past it.
#include <stdint.h>

#include <string>
#include <wchar.h>

#include "about/dialog_template.h"
#include "fuzz.h"
#include "text/chars.h"
#include "text/format.h"
#include "text/mbcs.h"
#include "text/path.h"
#include "text/str.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string in(reinterpret_cast<const char*>(data), size);
    const size_t cut = in.find('\0') == std::string::npos ? size : in.find('\0');
    char* a = strdup(in.substr(0, cut).c_str());
    char* b = strdup(cut < size ? in.c_str() + cut + 1 : "");
    FUZZ_CHECK(StrEqualNoCase(a, b) == StrEqualNoCase(b, a) && StrEqualNoCase(a, a));
    const size_t n = 1 + size % 300;
    char* out = static_cast<char*>(malloc(n));
    StrCopyBounded(n, out, a);
    // A prefix of the source, cut between characters.
    const size_t kept = strlen(out);
    FUZZ_CHECK(kept < n && !strncmp(out, a, kept) && MbcsByteClassAt(a, kept) != MBC_TRAIL);
    free(out);
    out = static_cast<char*>(malloc(PATH_BUFFER_SIZE));
    PathJoin(out, a, b);
    PathStripLast(out);
    // The same on UTF-16, two bytes a unit: a fill into n units is a prefix of
    // the whole fill, cut between characters.
    std::wstring wa, wb;
    for (size_t i = 0; i + 1 < size; i += 2) (i < size / 2 ? wa : wb) += data[i] | data[i + 1] << 8;
    const wchar_t* const texts[] = {wa.c_str(), wb.c_str()};
    std::wstring whole(2 * wa.size() + wb.size() + 1, L'\0');
    StrFillBounded(whole.size(), &whole[0], wa.c_str(), texts, 2);
    wchar_t* w = static_cast<wchar_t*>(malloc(n * sizeof(wchar_t)));
    StrFillBounded(n, w, wa.c_str(), texts, 2);
    const size_t k = StrLen(w);
    FUZZ_CHECK(!wcsncmp(w, whole.c_str(), k) && (!whole[k] || !IsSecondUnitAt(whole.c_str(), k)));
    free(w);
    w = static_cast<wchar_t*>(malloc(PATH_BUFFER_SIZE * sizeof(wchar_t)));
    PathJoin(w, wa.c_str(), wb.c_str());
    PathHasStrippedName(PathStripLast(w));
    free(w);
    w = static_cast<wchar_t*>(malloc(n * sizeof(wchar_t)));
    FUZZ_CHECK(!PathNumberedName(w, n, wa.c_str(), static_cast<unsigned>(size), size % 2) ||
               StrLen(w) > StrLen(wa.c_str()) + 3);
    free(w);
    // A template of one item with the inputs' bytes as texts, into a block of
    // any size up to the whole.
    const std::u16string title(a, a + strlen(a)), text(b, b + strlen(b));
    const DialogHeaderSpec header = {0, 0, 1, 0, 0, 9, 9, 0, title.c_str(), 0, u"x", 9};
    const DialogItemSpec item = {
        DLG_CLASS_STATIC, reinterpret_cast<uintptr_t>(text.c_str()), 0, 0, 0, 0, 1, 1, 7};
    const size_t room = n % (WriteDialogTemplate(&header, &item, nullptr, 0) + 1) + 1;
    uint8_t* block = static_cast<uint8_t*>(malloc(room));
    WriteDialogTemplate(&header, &item, block, room);
    free(block);
    free(out);
    free(a);
    free(b);
    return 0;
}
