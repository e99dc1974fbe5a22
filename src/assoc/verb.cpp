#include "assoc/verb.h"

#include "assoc/default_command.h"
#include "assoc/registry.h"
#include "assoc/settings.h"
#include "text/str.h"

namespace {

const char ASSOC_VERB_KEY[] = "Vellanort.nobo";

typedef bool (*KeyOpener)(HKEY parent, const char* name, HKEY* key);

// Opens name below parent, then closes parent whatever the outcome.
bool OpenChildAndClose(KeyOpener open, HKEY parent, const char* name, HKEY* key)
{
    const bool opened = open(parent, name, key);
    RegKeyClose(parent);
    return opened;
}

}  // namespace

void ResolveClassName(char* out, const char* className)
{
    StrCopyBounded(CLASS_NAME_SIZE, out, className);
    // The cut name from here on, so that the class looked at is the one opened.
    HKEY classKey;
    if (!RegKeyOpen(HKEY_CLASSES_ROOT, out, &classKey)) {
        return;
    }
    char value[CLASS_NAME_SIZE];
    const bool read = RegGetDefaultValue(classKey, value, sizeof value);
    RegKeyClose(classKey);
    if (!read) {
        return;
    }
    // An empty value names no class; subkey "" would be HKEY_CLASSES_ROOT itself.
    if (value[0] != '\0' && RegKeyExists(HKEY_CLASSES_ROOT, value)) {
        StrCopyBounded(CLASS_NAME_SIZE, out, value);
    }
}

namespace {

bool OpenClassKeyWith(KeyOpener open, const char* className, HKEY* key)
{
    char resolved[CLASS_NAME_SIZE];
    ResolveClassName(resolved, className);
    if (resolved[0] == '\0') {
        return false;  // HKEY_CLASSES_ROOT is no class
    }
    return open(HKEY_CLASSES_ROOT, resolved, key);
}

// Menu text and command, with both keys open for writing before either is
// set; then what Explorer needs to show the entry for up to 100 selected
// items (its classic limit is 15) with this program's icon. No icon where
// this program's path has no exact ANSI form: it would name a look-alike.
bool WriteVerbValues(HKEY verbKey, const char* menuText, const char* commandLine)
{
    bool newCommand = false;
    HKEY commandKey;
    if (!RegKeyCreate(verbKey, "command", &commandKey, &newCommand)) {
        return false;
    }
    char icon[CMDLINE_BUFFER_SIZE];
    const bool hasIcon = BuildIconLocation(icon) != 0;
    const bool written = RegSetDefaultString(verbKey, menuText) &&
                         RegSetDefaultString(commandKey, commandLine) &&
                         RegSetString(verbKey, "MultiSelectModel", "Player") &&
                         (!hasIcon || RegSetString(verbKey, "Icon", icon));
    RegKeyClose(commandKey);
    if (!written && newCommand) {
        RegKeyDelete(verbKey, "command");
    }
    return written;
}

}  // namespace

bool OpenClassKey(const char* className, HKEY* key)
{
    return OpenClassKeyWith(RegKeyOpen, className, key);
}

bool OpenShellKey(const char* className, HKEY* key)
{
    HKEY classKey;
    return OpenClassKey(className, &classKey) &&
           OpenChildAndClose(RegKeyOpen, classKey, "shell", key);
}

bool OpenVerbKey(const char* className, HKEY* key)
{
    HKEY shellKey;
    return OpenShellKey(className, &shellKey) &&
           OpenChildAndClose(RegKeyOpen, shellKey, ASSOC_VERB_KEY, key);
}

bool ReadVerb(const char* className, char* menuText, char* commandLine)
{
    HKEY verbKey;
    if (!OpenVerbKey(className, &verbKey)) {
        return false;
    }
    RegGetDefaultValue(verbKey, menuText, ASSOC_MENU_TEXT_SIZE);
    HKEY commandKey;
    if (!RegKeyOpen(verbKey, "command", &commandKey)) {
        RegKeyClose(verbKey);
        return false;
    }
    RegGetDefaultValue(commandKey, commandLine, ASSOC_COMMAND_LINE_SIZE);
    RegKeyClose(commandKey);
    RegKeyClose(verbKey);
    return true;
}

bool WriteVerb(const char* className, const char* menuText, const char* commandLine)
{
    HKEY classKey;
    if (!OpenClassKeyWith(RegKeyOpenToWrite, className, &classKey)) {
        return false;
    }
    bool written = false;
    bool newShell = false;
    HKEY shellKey;
    if (RegKeyCreate(classKey, "shell", &shellKey, &newShell)) {
        bool newVerb = false;
        HKEY verbKey;
        if (RegKeyCreate(shellKey, ASSOC_VERB_KEY, &verbKey, &newVerb)) {
            written = WriteVerbValues(verbKey, menuText, commandLine);
            RegKeyClose(verbKey);
            // Never a menu entry without its command: what this call made goes again.
            if (!written && newVerb) {
                RegKeyDeleteTree(shellKey, ASSOC_VERB_KEY);
            }
        }
        RegKeyClose(shellKey);
        if (!written && newShell) {
            RegKeyDelete(classKey, "shell");
        }
    }
    RegKeyClose(classKey);
    return written;
}

bool RemoveVerb(const char* className)
{
    HKEY verbKey;
    if (!OpenVerbKey(className, &verbKey)) {
        return true;  // nothing to remove
    }
    RegKeyClose(verbKey);
    HKEY classKey;
    HKEY shellKey;
    if (!OpenClassKey(className, &classKey) ||
        !OpenChildAndClose(RegKeyOpenToWrite, classKey, "shell", &shellKey)) {
        return false;
    }
    // Subkeys other programs added under our verb go with it.
    const bool removed = RegKeyDeleteTree(shellKey, ASSOC_VERB_KEY);
    RegKeyClose(shellKey);
    return removed;
}
