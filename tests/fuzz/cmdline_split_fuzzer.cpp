// The splitter on arbitrary text, ANSI (code page 932 lead bytes) and UTF-16:
// the two passes agree, the block holds exactly what it should, nothing is
// read past the terminator, and the arguments match a plain model of the rules.
#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "app/ansi_lead_byte.h"
#include "app/cmdline_split.h"
#include "fuzz_check.h"

namespace {

bool Cp932Lead(unsigned c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The rules restated over whole strings, one argument at a time, with no
// pointer arithmetic and no counting pass.
template <typename C>
std::vector<std::basic_string<C>> Model(const std::basic_string<C>& s, bool dbcs)
{
    typedef std::basic_string<C> Str;
    const C quote = C('"'), backslash = C('\\');
    auto blank = [](C c) { return c == C(' ') || c == C('\t'); };
    std::vector<Str> out;
    size_t i = 0;
    if (!s.empty() && s[0] == quote) {
        const size_t close = s.find(quote, 1);
        out.push_back(s.substr(1, close == Str::npos ? Str::npos : close - 1));
        i = close == Str::npos ? s.size() : close + 1;
    } else {
        while (i < s.size() && !blank(s[i])) ++i;
        out.push_back(s.substr(0, i));
    }
    for (;;) {
        while (i < s.size() && blank(s[i])) ++i;
        if (i == s.size()) return out;
        Str arg;
        bool quoted = false;
        while (i < s.size()) {
            size_t run = 0;
            while (i + run < s.size() && s[i + run] == backslash) ++run;
            const size_t after = i + run;
            if (after < s.size() && s[after] == quote) {
                arg.append(run / 2, backslash);
                if (run % 2 == 1) {
                    arg += quote;
                    i = after + 1;
                } else if (quoted && after + 1 < s.size() && s[after + 1] == quote) {
                    arg += quote;
                    i = after + 2;
                    quoted = false;
                } else {
                    quoted = !quoted;
                    i = after + 1;
                }
                continue;
            }
            arg.append(run, backslash);
            i = after;
            if (i == s.size() || (!quoted && blank(s[i]))) break;
            const bool pair =
                dbcs && Cp932Lead(static_cast<unsigned char>(s[i])) && i + 1 < s.size();
            arg.append(s, i, pair ? 2 : 1);
            i += pair ? 2 : 1;
        }
        out.push_back(arg);
    }
}

template <typename C>
size_t Length(const C* s)
{
    size_t n = 0;
    while (s[n] != C(0)) ++n;
    return n;
}

// text must be NUL-terminated in a block of exactly its size.
template <typename C>
void Check(const C* text, SplitLeadTest isLead, C** (*split)(const C*, int*), bool dbcs)
{
    SplitPass<C> counting = {isLead, nullptr, nullptr, 0};
    size_t size = 0;
    const int count = SplitRunPass(&counting, text, &size);
    FUZZ_CHECK(count >= 1);
    FUZZ_CHECK(size == (static_cast<size_t>(count) + 1) * sizeof(C*) + counting.used * sizeof(C));

    // The filling pass into a block of exactly the counted size.
    C** block = static_cast<C**>(malloc(size));
    FUZZ_CHECK(block);
    SplitPass<C> filling = {isLead, block, reinterpret_cast<C*>(block + count + 1), 0};
    size_t filledSize = 0;
    FUZZ_CHECK(SplitRunPass(&filling, text, &filledSize) == count);
    FUZZ_CHECK(filledSize == size && filling.used == counting.used);
    free(block);

    int splitCount = 0;
    C** argv = split(text, &splitCount);
    FUZZ_CHECK(argv && splitCount == count);
    const char* end = reinterpret_cast<const char*>(argv) + size;
    const C* next = reinterpret_cast<const C*>(argv + count + 1);
    const std::vector<std::basic_string<C>> model = Model(std::basic_string<C>(text), dbcs);
    FUZZ_CHECK(model.size() == static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        FUZZ_CHECK(argv[i] == next);
        const size_t len = Length(argv[i]);
        FUZZ_CHECK(reinterpret_cast<const char*>(argv[i] + len + 1) <= end);
        FUZZ_CHECK(model[i] == std::basic_string<C>(argv[i], len));
        next = argv[i] + len + 1;
    }
    FUZZ_CHECK(reinterpret_cast<const char*>(next) == end);
    FUZZ_CHECK(argv[count] == nullptr);
    free(argv);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    char* text = static_cast<char*>(malloc(size + 1));
    memcpy(text, data, size);
    text[size] = '\0';
    Check<char>(text, AnsiIsLeadByte, SplitCommandLine, true);
    free(text);

    // The same bytes as UTF-16 units; high bytes pair up into units beyond
    // Latin-1, so surrogates and CJK units occur too.
    std::vector<wchar_t> units;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] >= 0x80 && i + 1 < size) {
            units.push_back(static_cast<wchar_t>((data[i] << 8) | data[i + 1]));
            ++i;
        } else {
            units.push_back(static_cast<wchar_t>(data[i]));
        }
    }
    wchar_t* wide = static_cast<wchar_t*>(malloc((units.size() + 1) * sizeof(wchar_t)));
    if (!units.empty()) memcpy(wide, units.data(), units.size() * sizeof(wchar_t));
    wide[units.size()] = L'\0';
    Check<wchar_t>(wide, nullptr, SplitCommandLineW, false);
    free(wide);
    return 0;
}
