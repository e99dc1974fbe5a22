// Byte classes and path routines on arbitrary paths of at most 260 bytes, in
// heap blocks of exactly their size, against a one-pass model of the classes.
#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "fuzz_check.h"
#include "text/mbcs.h"
#include "text/path.h"

namespace {

// Classes by pairing from the start: a lead byte followed by a trail byte is
// one character, anything else a single byte.
std::vector<int> Classes(const std::string& s)
{
    auto lead = [](unsigned char c) {
        return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    };
    auto trail = [](unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; };
    std::vector<int> cls(s.size(), MBC_SINGLE);
    for (size_t i = 0; i < s.size(); ++i) {
        if (i + 1 < s.size() && lead(s[i]) && trail(s[i + 1])) {
            cls[i] = MBC_LEAD;
            cls[++i] = MBC_TRAIL;
        }
    }
    return cls;
}

long LastSeparator(const std::string& s)
{
    const std::vector<int> cls = Classes(s);
    for (size_t i = s.size(); i-- > 0;)
        if (s[i] == '\\' && cls[i] == MBC_SINGLE) return static_cast<long>(i);
    return -1;
}

// StrCopyBounded(n, ...): at most n - 1 bytes, one less if that would split.
std::string Bounded(const std::string& s, size_t n)
{
    size_t k = n - 1 < s.size() ? n - 1 : s.size();
    if (k < s.size() && Classes(s)[k] == MBC_TRAIL) --k;
    return s.substr(0, k);
}

std::string JoinModel(const std::string& folder, const std::string& name)
{
    if (folder.empty()) return Bounded(name, PATH_BUFFER_SIZE);
    if (name == ".") return folder;
    if (name == "..") {
        const long sep = LastSeparator(folder);
        if (sep < 0) return folder;
        std::string parent = folder.substr(0, sep);
        if (LastSeparator(parent) < 0) parent += '\\';
        return parent;
    }
    if (LastSeparator(folder) == static_cast<long>(folder.size()) - 1)
        return folder + Bounded(name, PATH_BUFFER_SIZE - folder.size());
    // A separator is added only with room for it and its terminator; the name
    // then gets what is left of 259 characters.
    if (folder.size() >= PATH_BUFFER_SIZE - 1) return folder;
    const std::string withSeparator = folder + "\\";
    if (withSeparator.size() >= PATH_BUFFER_SIZE - 1) return withSeparator;
    return withSeparator + Bounded(name, PATH_BUFFER_SIZE - 1 - withSeparator.size());
}

char* HeapCopy(const std::string& s)
{
    char* p = static_cast<char*>(malloc(s.size() + 1));
    memcpy(p, s.c_str(), s.size() + 1);
    return p;
}

void CheckOnePath(const std::string& s)
{
    char* path = HeapCopy(s);
    const std::vector<int> cls = Classes(s);
    for (size_t i = 0; i < s.size() + 4; ++i) {
        const int expected = i < s.size() ? cls[i] : MBC_SINGLE;
        FUZZ_CHECK(MbcsByteClassAt(path, static_cast<unsigned>(i)) == expected);
        if (i < s.size())
            FUZZ_CHECK(PathIsSeparatorAt(path, static_cast<unsigned>(i)) ==
                       (s[i] == '\\' && expected == MBC_SINGLE));
    }
    const long sep = LastSeparator(s);
    const char* name = PathFindName(path);
    FUZZ_CHECK(name == path + sep + 1);
    FUZZ_CHECK(s == path);
    char* cut = PathStripLast(path);
    FUZZ_CHECK(cut == path + sep + 1);
    if (sep >= 0) {
        FUZZ_CHECK(std::string(path) == s.substr(0, sep));
        FUZZ_CHECK(std::string(cut) == s.substr(sep + 1));
    } else {
        FUZZ_CHECK(s == path);
    }
    free(path);
}

}  // namespace

// Input: folder, a NUL, name (the folder is cut to 260 bytes and stops at its
// first NUL; the name likewise at 300).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    const size_t split = strnlen(bytes, size);
    std::string folder(bytes, split < 260 ? split : 260);
    std::string name;
    if (split < size) {
        const char* rest = bytes + split + 1;
        name.assign(rest, strnlen(rest, size - split - 1));
        if (name.size() > 300) name.resize(300);
    }
    CheckOnePath(folder);
    CheckOnePath(name.size() <= 260 ? name : name.substr(0, 260));

    char* f = HeapCopy(folder);
    char* n = HeapCopy(name);
    char* out = static_cast<char*>(malloc(PATH_BUFFER_SIZE));
    PathJoin(out, f, n);
    const size_t len = strnlen(out, PATH_BUFFER_SIZE);
    FUZZ_CHECK(len < PATH_BUFFER_SIZE);
    FUZZ_CHECK(JoinModel(folder, name) == std::string(out, len));
    // The inputs are only read.
    FUZZ_CHECK(folder == f && name == n);
    free(out);
    free(n);
    free(f);
    return 0;
}
