#include "assoc/drop_target.h"

#include "assoc/default_command.h"
#include "assoc/registry.h"
#include "text/str.h"

#define NOBO_CLASS_ID_TEXT L"{7E835470-E5B4-46C6-B201-3A20C0BF8FEE}"

const wchar_t NOBO_CLASS_ID[] = NOBO_CLASS_ID_TEXT;

namespace {

const wchar_t CLASSES_KEY[] = L"CLSID";
const wchar_t SERVER_KEY[] = L"CLSID\\" NOBO_CLASS_ID_TEXT L"\\LocalServer32";

}  // namespace

bool WriteDropTargetClass()
{
    wchar_t server[CMDLINE_BUFFER_SIZE];
    HKEY key;
    if (BuildServerLocation(server) == 0 ||
        !RegKeyCreate(HKEY_CLASSES_ROOT, SERVER_KEY, &key, nullptr, KEY_WOW64_64KEY)) {
        return false;
    }
    const bool written = RegSetString(key, nullptr, server);
    RegKeyClose(key);
    return written;
}

bool RemoveDropTargetClass()
{
    HKEY classes;
    if (!RegKeyOpenToWrite(HKEY_CLASSES_ROOT, CLASSES_KEY, &classes, KEY_WOW64_64KEY)) {
        return false;
    }
    bool gone = true;
    HKEY ours;
    if (RegKeyOpenToWrite(classes, NOBO_CLASS_ID, &ours, KEY_WOW64_64KEY)) {
        // Emptied through its own handle, then deleted: both in the view it was
        // opened in.
        RegKeyDeleteTree(ours, nullptr);
        RegKeyClose(ours);
        gone = RegKeyDelete(classes, NOBO_CLASS_ID, KEY_WOW64_64KEY);
    }
    RegKeyClose(classes);
    return gone;
}
