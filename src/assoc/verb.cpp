#include "assoc/verb.h"

#include "assoc/default_command.h"
#include "assoc/drop_target.h"
#include "assoc/registry.h"
#include "assoc/settings.h"
#include "assoc/settings_diff.h"
#include "text/str.h"

namespace {

const wchar_t ASSOC_VERB_KEY[] = L"Vellanort.nobo";
const wchar_t DROP_TARGET_KEY[] = L"DropTarget";

typedef bool (*KeyOpener)(HKEY parent, const wchar_t* name, HKEY* key, REGSAM view);

// Opens name below parent, then closes parent whatever the outcome.
bool OpenChildAndClose(KeyOpener open, HKEY parent, const wchar_t* name, HKEY* key)
{
    const bool opened = open(parent, name, key, 0);
    RegKeyClose(parent);
    return opened;
}

}  // namespace

void ResolveClassName(wchar_t* out, const wchar_t* className)
{
    StrCopyBounded(CLASS_NAME_SIZE, out, className);
    // The cut name from here on, so that the class looked at is the one opened.
    HKEY classKey;
    if (!RegKeyOpen(HKEY_CLASSES_ROOT, out, &classKey)) {
        return;
    }
    wchar_t value[CLASS_NAME_SIZE];
    const bool read = RegGetDefaultValue(classKey, value, sizeof value);
    RegKeyClose(classKey);
    if (!read) {
        return;
    }
    // An empty value names no class; subkey "" would be HKEY_CLASSES_ROOT itself.
    if (value[0] != L'\0' && RegKeyExists(HKEY_CLASSES_ROOT, value)) {
        StrCopyBounded(CLASS_NAME_SIZE, out, value);
    }
}

namespace {

bool OpenClassKeyWith(KeyOpener open, const wchar_t* className, HKEY* key)
{
    wchar_t resolved[CLASS_NAME_SIZE];
    ResolveClassName(resolved, className);
    if (resolved[0] == L'\0') {
        return false;  // HKEY_CLASSES_ROOT is no class
    }
    return open(HKEY_CLASSES_ROOT, resolved, key, 0);
}

bool WriteDropTarget(HKEY verbKey)
{
    HKEY key;
    if (!RegKeyCreate(verbKey, DROP_TARGET_KEY, &key)) {
        return false;
    }
    const bool written = RegSetString(key, L"Clsid", NOBO_CLASS_ID);
    RegKeyClose(key);
    return written;
}

bool RemoveDropTarget(HKEY verbKey)
{
    return !RegKeyExists(verbKey, DROP_TARGET_KEY) || RegKeyDeleteTree(verbKey, DROP_TARGET_KEY);
}

// The values asked for, with both keys open for writing before any is set.
// A new entry also gets what Explorer needs to show it for up to 100 selected
// items (its classic limit is 15) with this program's icon; the icon follows
// a command changed to this program's, while an icon naming something else
// stays with a command the user chose. Explorer hands a whole selection to
// one nobo through the drop target, for this program's own command only: a
// command the user chose stays in charge of each item.
bool WriteVerbValues(HKEY verbKey, const wchar_t* menuText, const wchar_t* commandLine,
                     unsigned values)
{
    bool newCommand = false;
    HKEY commandKey;
    if (!RegKeyCreate(verbKey, L"command", &commandKey, &newCommand)) {
        return false;
    }
    wchar_t program[CMDLINE_BUFFER_SIZE];
    const bool ours = BuildDefaultCommandLine(program) != 0 && StrEqual(commandLine, program);
    wchar_t icon[CMDLINE_BUFFER_SIZE];
    const bool setIcon = ((values & ASSOC_VALUE_NEW) || ((values & ASSOC_VALUE_COMMAND) && ours)) &&
                         BuildIconLocation(icon) != 0;
    const bool written =
        (!(values & ASSOC_VALUE_MENU) || RegSetDefaultString(verbKey, menuText)) &&
        (!(values & ASSOC_VALUE_COMMAND) || RegSetDefaultString(commandKey, commandLine)) &&
        (!(values & ASSOC_VALUE_NEW) || RegSetString(verbKey, L"MultiSelectModel", L"Player")) &&
        (!setIcon || RegSetString(verbKey, L"Icon", icon)) &&
        (ours ? WriteDropTargetClass() && WriteDropTarget(verbKey)
              : !(values & ASSOC_VALUE_COMMAND) || RemoveDropTarget(verbKey));
    RegKeyClose(commandKey);
    if (!written && newCommand) {
        RegKeyDelete(verbKey, L"command");
    }
    return written;
}

}  // namespace

bool OpenClassKey(const wchar_t* className, HKEY* key)
{
    return OpenClassKeyWith(RegKeyOpen, className, key);
}

bool OpenShellKey(const wchar_t* className, HKEY* key)
{
    HKEY classKey;
    return OpenClassKey(className, &classKey) &&
           OpenChildAndClose(RegKeyOpen, classKey, L"shell", key);
}

bool OpenVerbKey(const wchar_t* className, HKEY* key)
{
    HKEY shellKey;
    return OpenShellKey(className, &shellKey) &&
           OpenChildAndClose(RegKeyOpen, shellKey, ASSOC_VERB_KEY, key);
}

bool ReadVerb(const wchar_t* className, wchar_t* menuText, wchar_t* commandLine)
{
    HKEY verbKey;
    if (!OpenVerbKey(className, &verbKey)) {
        return false;
    }
    RegGetDefaultValue(verbKey, menuText, ASSOC_MENU_TEXT_SIZE);
    HKEY commandKey;
    if (!RegKeyOpen(verbKey, L"command", &commandKey)) {
        RegKeyClose(verbKey);
        return false;
    }
    RegGetDefaultValue(commandKey, commandLine, ASSOC_COMMAND_LINE_SIZE);
    RegKeyClose(commandKey);
    RegKeyClose(verbKey);
    return true;
}

bool WriteVerb(const wchar_t* className, const wchar_t* menuText, const wchar_t* commandLine,
               unsigned values)
{
    HKEY classKey;
    if (!OpenClassKeyWith(RegKeyOpenToWrite, className, &classKey)) {
        return false;
    }
    bool written = false;
    bool newShell = false;
    HKEY shellKey;
    if (RegKeyCreate(classKey, L"shell", &shellKey, &newShell)) {
        bool newVerb = false;
        HKEY verbKey;
        if (RegKeyCreate(shellKey, ASSOC_VERB_KEY, &verbKey, &newVerb)) {
            written = WriteVerbValues(verbKey, menuText, commandLine, values);
            RegKeyClose(verbKey);
            // Never a menu entry without its command: what this call made goes again.
            if (!written && newVerb) {
                RegKeyDeleteTree(shellKey, ASSOC_VERB_KEY);
            }
        }
        RegKeyClose(shellKey);
        if (!written && newShell) {
            RegKeyDelete(classKey, L"shell");
        }
    }
    RegKeyClose(classKey);
    return written;
}

bool RemoveVerb(const wchar_t* className)
{
    HKEY verbKey;
    if (!OpenVerbKey(className, &verbKey)) {
        return true;  // nothing to remove
    }
    RegKeyClose(verbKey);
    HKEY classKey;
    HKEY shellKey;
    if (!OpenClassKey(className, &classKey) ||
        !OpenChildAndClose(RegKeyOpenToWrite, classKey, L"shell", &shellKey)) {
        return false;
    }
    // Subkeys other programs added under our verb go with it.
    const bool removed = RegKeyDeleteTree(shellKey, ASSOC_VERB_KEY);
    RegKeyClose(shellKey);
    return removed;
}

bool VerbHasDropTarget(const wchar_t* className)
{
    HKEY verbKey;
    if (!OpenVerbKey(className, &verbKey)) {
        return false;
    }
    const bool has = RegKeyExists(verbKey, DROP_TARGET_KEY);
    RegKeyClose(verbKey);
    return has;
}
