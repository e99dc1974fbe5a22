#include "text/path.h"

#include "text/mbcs.h"
#include "text/str.h"

#include <string.h>

bool PathIsSeparatorAt(const char* s, unsigned index)
{
    return s[index] == '\\' && MbcsByteClassAt(s, index) == MBC_SINGLE;
}

// Index of the last real separator, or -1.
static long LastSeparator(const char* path)
{
    for (long i = static_cast<long>(strlen(path)) - 1; i >= 0; --i) {
        if (PathIsSeparatorAt(path, static_cast<unsigned>(i))) {
            return i;
        }
    }
    return -1;
}

char* PathStripLast(char* path)
{
    const long i = LastSeparator(path);
    if (i < 0) {
        return path;
    }
    path[i] = '\0';
    return path + i + 1;
}

const char* PathFindName(const char* path)
{
    const long i = LastSeparator(path);
    return i < 0 ? path : path + i + 1;
}

// ".." : drop the last component and its separator, keeping the root's
// separator ("C:\a" gives "C:\"). A folder without a real separator has no
// parent we could name: it stays as it is.
static void JoinParent(char* out)
{
    const size_t len = strlen(out);
    long i = static_cast<long>(len) - 1;
    while (i >= 0 && !PathIsSeparatorAt(out, static_cast<unsigned>(i))) {
        --i;
    }
    if (i < 0) {
        return;
    }
    memset(out + i, 0, len - i);
    if (LastSeparator(out) < 0) {
        out[i] = '\\';
    }
}

void PathJoin(char* out, const char* folder, const char* name)
{
    if (folder[0] == '\0') {
        StrCopyBounded(PATH_BUFFER_SIZE, out, name);
        return;
    }
    const unsigned last = static_cast<unsigned>(strlen(folder)) - 1;
    StrCopyBounded(PATH_BUFFER_SIZE, out, folder);
    if (StrEqual(name, ".")) {
        return;
    }
    if (StrEqual(name, "..")) {
        JoinParent(out);
        return;
    }
    size_t limit = PATH_BUFFER_SIZE;
    if (!PathIsSeparatorAt(folder, last)) {
        // A folder that fills the buffer leaves no room for the separator and
        // its terminator: the name cannot be joined.
        const size_t n = strlen(out);
        if (n + 1 >= PATH_BUFFER_SIZE) {
            return;
        }
        out[n] = '\\';
        out[n + 1] = '\0';
        limit = PATH_BUFFER_SIZE - 1;
    }
    const size_t used = strlen(out);
    if (used < limit) {
        StrCopyBounded(limit - used, out + used, name);
    }
}

void PathDriveToRoot(char* folder)
{
    if (folder[0] != '\0' && folder[1] == ':' && folder[2] == '\0') {
        folder[2] = '\\';
        folder[3] = '\0';
    }
}

bool PathHasStrippedName(const char* path)
{
    const char* name = path;
    for (const char* p = path;; p += MbcsCharSize(p)) {
        // Win32 takes '/' for a separator too; neither can be a trail byte.
        if (*p != '\0' && *p != '\\' && *p != '/') {
            continue;
        }
        const size_t n = static_cast<size_t>(p - name);
        const bool dots =
            (n == 1 && name[0] == '.') || (n == 2 && name[0] == '.' && name[1] == '.');
        if (n > 0 && !dots && (p[-1] == '.' || p[-1] == ' ')) {
            return true;
        }
        if (*p == '\0') {
            return false;
        }
        name = p + 1;
    }
}
