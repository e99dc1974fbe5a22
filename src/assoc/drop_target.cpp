#include "assoc/drop_target.h"

#include "assoc/default_command.h"
#include "assoc/registry.h"
#include "text/str.h"

#define NOBO_CLASS_ID_TEXT L"{7E835470-E5B4-46C6-B201-3A20C0BF8FEE}"

const wchar_t NOBO_CLASS_ID[] = NOBO_CLASS_ID_TEXT;

namespace {

const wchar_t CLASS_KEY[] = L"CLSID\\" NOBO_CLASS_ID_TEXT;
const wchar_t SERVER_KEY[] = L"CLSID\\" NOBO_CLASS_ID_TEXT L"\\LocalServer32";

}  // namespace

bool WriteDropTargetClass(int place)
{
    wchar_t server[CMDLINE_BUFFER_SIZE];
    HKEY key;
    if (BuildServerLocation(server) == 0 || !RegKeyCreate(ClassesKey(place), SERVER_KEY, &key)) {
        return false;
    }
    const bool written = RegSetString(key, nullptr, server);
    RegKeyClose(key);
    return written;
}

bool RemoveDropTargetClass(int place)
{
    return RegKeyDeleteTree(ClassesKey(place), CLASS_KEY);
}

bool ReadDropTargetServer(int place, wchar_t* server)
{
    server[0] = L'\0';
    HKEY key;
    if (!RegKeyOpen(ClassesKey(place), SERVER_KEY, &key)) {
        return RegKeyMissing();
    }
    RegGetDefaultValue(key, server, CMDLINE_BUFFER_SIZE);
    RegKeyClose(key);
    return true;
}
