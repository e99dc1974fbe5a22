#include "assoc/verb.h"

#include "assoc/registry.h"
#include "assoc/settings.h"
#include "text/str.h"

namespace {

const char ASSOC_VERB_KEY[] = "Vellanort.nobo";

// Opens name below parent, then closes parent whatever the outcome.
bool OpenChildAndClose(HKEY parent, const char* name, HKEY* key)
{
    const bool opened = RegKeyOpen(parent, name, key);
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

bool OpenClassKey(const char* className, HKEY* key)
{
    char resolved[CLASS_NAME_SIZE];
    ResolveClassName(resolved, className);
    if (resolved[0] == '\0') {
        return false;  // HKEY_CLASSES_ROOT is no class
    }
    return RegKeyOpen(HKEY_CLASSES_ROOT, resolved, key);
}

bool OpenShellKey(const char* className, HKEY* key)
{
    HKEY classKey;
    return OpenClassKey(className, &classKey) && OpenChildAndClose(classKey, "shell", key);
}

bool OpenVerbKey(const char* className, HKEY* key)
{
    HKEY shellKey;
    return OpenShellKey(className, &shellKey) && OpenChildAndClose(shellKey, ASSOC_VERB_KEY, key);
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
    if (!OpenClassKey(className, &classKey)) {
        return false;
    }
    HKEY shellKey;
    if (!RegKeyCreate(classKey, "shell", &shellKey)) {
        RegKeyClose(classKey);
        return false;
    }
    HKEY verbKey;
    if (!RegKeyCreate(shellKey, ASSOC_VERB_KEY, &verbKey)) {
        RegKeyClose(shellKey);
        RegKeyClose(classKey);
        return false;
    }
    RegSetDefaultString(verbKey, menuText);
    HKEY commandKey;
    if (!RegKeyCreate(verbKey, "command", &commandKey)) {
        RegKeyClose(verbKey);
        RegKeyClose(shellKey);
        RegKeyClose(classKey);
        return false;
    }
    RegSetDefaultString(commandKey, commandLine);
    RegKeyClose(commandKey);
    RegKeyClose(verbKey);
    RegKeyClose(shellKey);
    RegKeyClose(classKey);
    return true;
}

bool RemoveVerb(const char* className)
{
    HKEY shellKey;
    if (!OpenShellKey(className, &shellKey)) {
        return false;
    }
    if (RegKeyExists(shellKey, ASSOC_VERB_KEY)) {
        HKEY verbKey;
        if (RegKeyOpen(shellKey, ASSOC_VERB_KEY, &verbKey)) {
            if (RegKeyExists(verbKey, "command")) {
                RegKeyDelete(verbKey, "command");
            }
            RegKeyClose(verbKey);
            RegKeyDelete(shellKey, ASSOC_VERB_KEY);
        }
    }
    RegKeyClose(shellKey);
    return true;
}
