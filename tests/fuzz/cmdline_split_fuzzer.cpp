// The splitter on any ANSI text with code page 932's lead bytes, against a
// model of the rules over whole strings. (The UTF-16 splitter is the same code
// without lead units.)
#include <stdint.h>

#include <string>
#include <vector>

#include "app/ansi_lead_byte.h"
#include "app/cmdline_split.h"
#include "fuzz.h"

std::vector<std::string> Model(const std::string& s)
{
    auto blank = [&](size_t k) { return s[k] == ' ' || s[k] == '\t'; };
    const bool q = s[0] == '"';  // the program path: in quotes or up to a blank, no escapes
    size_t i = q;
    while (i < s.size() && (q ? s[i] != '"' : !blank(i))) ++i;
    std::vector<std::string> out = {s.substr(q, i - q)};
    for (i += q && i < s.size();;) {
        while (i < s.size() && blank(i)) ++i;
        if (i == s.size()) return out;
        out.push_back({});
        for (bool quoted = false; i < s.size() && (quoted || !blank(i));) {
            size_t run = 0;  // backslashes (s[s.size()] is a NUL)
            while (s[i + run] == '\\') ++run;
            if (s[i + run] != '"') {  // the backslashes as they are, or one character
                const bool pair = AnsiIsLeadByte(uint8_t(s[i])) && i + 1 < s.size();
                const size_t n = run ? run : pair ? 2 : 1;
                out.back().append(s, i, n);
                i += n;
                continue;
            }
            out.back().append(run / 2, '\\');
            i += run + 1;
            if (run % 2) {
                out.back() += '"';
            } else if (quoted && s[i] == '"') {  // a doubled quote: one, and the quotes end
                out.back() += s[i++];
                quoted = false;
            } else {
                quoted = !quoted;
            }
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string s(reinterpret_cast<const char*>(data), strnlen((const char*)data, size));
    char* text = strdup(s.c_str());
    int count = 0;
    char** argv = SplitCommandLine(text, &count);  // the texts in a block of the size counted
    FUZZ_CHECK(Model(s) == std::vector<std::string>(argv, argv + count) && !argv[count]);
    free(argv);
    free(text);
    return 0;
}
