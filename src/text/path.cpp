#include "text/path.h"

#include "text/chars.h"
#include "text/str.h"

template <typename C>
bool PathIsSeparatorAt(const C* s, unsigned index)
{
    return s[index] == '\\' && !IsSecondUnitAt(s, index);
}

namespace {

// Index of the last real separator, or -1.
template <typename C>
long LastSeparator(const C* path)
{
    for (long i = static_cast<long>(StrLen(path)) - 1; i >= 0; --i) {
        if (PathIsSeparatorAt(path, static_cast<unsigned>(i))) {
            return i;
        }
    }
    return -1;
}

template <typename C>
bool IsDots(const C* name, size_t n)
{
    return (n == 1 && name[0] == '.') || (n == 2 && name[0] == '.' && name[1] == '.');
}

// ".." : drop the last component and its separator, keeping the root's
// separator ("C:\a" gives "C:\"). A folder without a real separator has no
// parent we could name: it stays as it is.
template <typename C>
void JoinParent(C* out)
{
    const size_t len = StrLen(out);
    long i = static_cast<long>(len) - 1;
    while (i >= 0 && !PathIsSeparatorAt(out, static_cast<unsigned>(i))) {
        --i;
    }
    if (i < 0) {
        return;
    }
    for (size_t k = static_cast<size_t>(i); k < len; ++k) {
        out[k] = 0;
    }
    if (LastSeparator(out) < 0) {
        out[i] = '\\';
    }
}

}  // namespace

template <typename C>
C* PathStripLast(C* path)
{
    const long i = LastSeparator(path);
    if (i < 0) {
        return path;
    }
    path[i] = 0;
    return path + i + 1;
}

template <typename C>
const C* PathFindName(const C* path)
{
    const long i = LastSeparator(path);
    return i < 0 ? path : path + i + 1;
}

template <typename C>
void PathJoin(C* out, const C* folder, const C* name)
{
    if (folder[0] == 0) {
        StrCopyBounded(PATH_BUFFER_SIZE, out, name);
        return;
    }
    const unsigned last = static_cast<unsigned>(StrLen(folder)) - 1;
    StrCopyBounded(PATH_BUFFER_SIZE, out, folder);
    const size_t nameLength = StrLen(name);
    if (IsDots(name, nameLength)) {
        if (nameLength == 2) {
            JoinParent(out);
        }
        return;
    }
    size_t limit = PATH_BUFFER_SIZE;
    if (!PathIsSeparatorAt(folder, last)) {
        // A folder that fills the buffer leaves no room for the separator and
        // its terminator: the name cannot be joined.
        const size_t n = StrLen(out);
        if (n + 1 >= PATH_BUFFER_SIZE) {
            return;
        }
        out[n] = '\\';
        out[n + 1] = 0;
        limit = PATH_BUFFER_SIZE - 1;
    }
    const size_t used = StrLen(out);
    if (used < limit) {
        StrCopyBounded(limit - used, out + used, name);
    }
}

template <typename C>
void PathDriveToRoot(C* folder)
{
    if (folder[0] != 0 && folder[1] == ':' && folder[2] == 0) {
        folder[2] = '\\';
        folder[3] = 0;
    }
}

template <typename C>
bool PathHasStrippedName(const C* path)
{
    const C* name = path;
    for (const C* p = path;; p += CharUnits(p)) {
        // Win32 takes '/' for a separator too; neither can be a second unit.
        if (*p != 0 && *p != '\\' && *p != '/') {
            continue;
        }
        const size_t n = static_cast<size_t>(p - name);
        if (n > 0 && !IsDots(name, n) && (p[-1] == '.' || p[-1] == ' ')) {
            return true;
        }
        if (*p == 0) {
            return false;
        }
        name = p + 1;
    }
}

template <typename C>
bool PathNumberedName(C* out, size_t size, const C* name, unsigned n, bool folder)
{
    // The number goes before the last dot, unless that dot leads the name.
    const size_t length = StrLen(name);
    size_t at = length;
    for (size_t i = length; !folder && i-- > 1;) {
        if (name[i] == '.' && !IsSecondUnitAt(name, i)) {
            at = i;
            break;
        }
    }
    C number[16];
    size_t digits = 0;
    do {
        number[digits++] = static_cast<C>('0' + n % 10);
        n /= 10;
    } while (n > 0);
    if (length + digits + 3 >= size) {
        return false;
    }
    size_t k = 0;
    for (size_t i = 0; i < at; ++i) {
        out[k++] = name[i];
    }
    out[k++] = ' ';
    out[k++] = '(';
    while (digits > 0) {
        out[k++] = number[--digits];
    }
    out[k++] = ')';
    for (size_t i = at; i <= length; ++i) {
        out[k++] = name[i];
    }
    return true;
}

template bool PathIsSeparatorAt(const char*, unsigned);
template bool PathIsSeparatorAt(const wchar_t*, unsigned);
template char* PathStripLast(char*);
template wchar_t* PathStripLast(wchar_t*);
template const char* PathFindName(const char*);
template const wchar_t* PathFindName(const wchar_t*);
template void PathJoin(char*, const char*, const char*);
template void PathJoin(wchar_t*, const wchar_t*, const wchar_t*);
template void PathDriveToRoot(char*);
template void PathDriveToRoot(wchar_t*);
template bool PathHasStrippedName(const char*);
template bool PathHasStrippedName(const wchar_t*);
template bool PathNumberedName(char*, size_t, const char*, unsigned, bool);
template bool PathNumberedName(wchar_t*, size_t, const wchar_t*, unsigned, bool);
