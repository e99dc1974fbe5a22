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

typedef bool (*KeyOpener)(HKEY parent, const wchar_t* name, HKEY* key);

// Opens name below parent, then closes parent whatever the outcome.
bool OpenChildAndClose(KeyOpener open, HKEY parent, const wchar_t* name, HKEY* key)
{
    const bool opened = open(parent, name, key);
    RegKeyClose(parent);
    return opened;
}

}  // namespace

void ResolveClassName(int place, wchar_t* out, const wchar_t* className)
{
    StrCopyBounded(CLASS_NAME_SIZE, out, className);
    // The cut name from here on, so that the class looked at is the one opened.
    HKEY classKey;
    if (!RegKeyOpen(ClassesKey(place), out, &classKey)) {
        return;
    }
    wchar_t value[CLASS_NAME_SIZE];
    const bool read = RegGetDefaultValue(classKey, value, sizeof value);
    RegKeyClose(classKey);
    if (!read) {
        return;
    }
    // An empty value names no class; subkey "" would be the classes key itself.
    if (value[0] != L'\0' && RegKeyExists(ClassesKey(place), value)) {
        StrCopyBounded(CLASS_NAME_SIZE, out, value);
    }
}

namespace {

// The verb key opened by open (read access for every look at an entry).
bool OpenVerbKey(int place, const wchar_t* className, HKEY* key, KeyOpener open = RegKeyOpen)
{
    wchar_t resolved[CLASS_NAME_SIZE];
    ResolveClassName(place, resolved, className);
    HKEY classKey;
    HKEY shellKey;
    // The classes key itself is no class.
    return resolved[0] != L'\0' && RegKeyOpen(ClassesKey(place), resolved, &classKey) &&
           OpenChildAndClose(RegKeyOpen, classKey, L"shell", &shellKey) &&
           OpenChildAndClose(open, shellKey, ASSOC_VERB_KEY, key);
}

// What a failed open of an entry's key says about the entry.
int VerbNotRead()
{
    return RegKeyMissing() ? VERB_MISSING : VERB_UNREADABLE;
}

// The program a command line starts: its first argument, quotes taken off;
// its length into length.
const wchar_t* CommandProgram(const wchar_t* line, int* length)
{
    const bool quoted = *line == L'"';
    const wchar_t* end = line + quoted;
    while (*end != L'\0' && (quoted ? *end != L'"' : *end != L' ' && *end != L'\t')) {
        ++end;
    }
    *length = static_cast<int>(end - line - quoted);
    return line + quoted;
}

// Two command lines that start the same program, its path compared as the
// file system compares names.
bool SameProgram(const wchar_t* a, const wchar_t* b)
{
    int m = 0;
    int n = 0;
    const wchar_t* first = CommandProgram(a, &m);
    const wchar_t* second = CommandProgram(b, &n);
    return m != 0 && CompareStringOrdinal(first, m, second, n, TRUE) == CSTR_EQUAL;
}

// A machine entry that names nobo's class (or may) while its command starts
// another program.
bool MachineNamesOtherProgram(const wchar_t* program)
{
    for (const AssociationKind& kind : AssociationKindTable) {
        wchar_t command[CMDLINE_BUFFER_SIZE] = L"";
        if (VerbUsesClass(PLACE_MACHINE, kind.className) &&
            (ReadVerb(PLACE_MACHINE, kind.className, nullptr, command) != VERB_FOUND ||
             !SameProgram(command, program))) {
            return true;
        }
    }
    return false;
}

bool RemoveDropTarget(int place, const AssociationKind& kind)
{
    HKEY verbKey;
    if (!OpenVerbKey(place, kind.className, &verbKey, RegKeyOpenToWrite)) {
        return false;
    }
    const bool removed = RegKeyDeleteTree(verbKey, DROP_TARGET_KEY);
    RegKeyClose(verbKey);
    return removed;
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

// The values asked for, with both keys open for writing before any is set.
// A new entry also gets what Explorer needs to show it for up to 100 selected
// items (its classic limit is 15) with this program's icon; the icon follows
// a command changed to this program's, while an icon naming something else
// stays with a command the user chose. Explorer hands a whole selection to
// one nobo through the drop target, for this program's own command only: a
// command the user chose stays in charge of each item.
bool WriteVerbValues(int place, HKEY verbKey, const wchar_t* menuText, const wchar_t* commandLine,
                     unsigned values)
{
    bool newCommand = false;
    HKEY commandKey;
    if (!RegKeyCreate(verbKey, L"command", &commandKey, &newCommand)) {
        return false;
    }
    wchar_t program[CMDLINE_BUFFER_SIZE];
    const bool ours = BuildDefaultCommandLine(program) != 0 && StrEqual(commandLine, program);
    // Explorer reaches the user's class before the machine's: a user's entry
    // names it only while no machine entry's selections go to another program.
    const bool drop = ours && (place == PLACE_MACHINE || !MachineNamesOtherProgram(program));
    wchar_t icon[CMDLINE_BUFFER_SIZE];
    const bool setIcon = ((values & ASSOC_VALUE_NEW) || ((values & ASSOC_VALUE_COMMAND) && ours)) &&
                         BuildIconLocation(icon) != 0;
    const bool written =
        (!(values & ASSOC_VALUE_MENU) || RegSetDefaultString(verbKey, menuText)) &&
        (!(values & ASSOC_VALUE_COMMAND) || RegSetDefaultString(commandKey, commandLine)) &&
        (!(values & ASSOC_VALUE_NEW) || RegSetString(verbKey, L"MultiSelectModel", L"Player")) &&
        (!setIcon || RegSetString(verbKey, L"Icon", icon)) &&
        (drop ? WriteDropTargetClass(place) && WriteDropTarget(verbKey)
              : !(values & ASSOC_VALUE_COMMAND) || RegKeyDeleteTree(verbKey, DROP_TARGET_KEY));
    RegKeyClose(commandKey);
    if (!written && newCommand) {
        RegKeyDelete(verbKey, L"command");
    }
    return written;
}

}  // namespace

int ReadVerb(int place, const wchar_t* className, wchar_t* menuText, wchar_t* commandLine)
{
    HKEY verbKey;
    if (!OpenVerbKey(place, className, &verbKey)) {
        return VerbNotRead();
    }
    if (menuText) {
        RegGetDefaultValue(verbKey, menuText, ASSOC_MENU_TEXT_SIZE);
    }
    HKEY commandKey;
    if (!OpenChildAndClose(RegKeyOpen, verbKey, L"command", &commandKey)) {
        return VerbNotRead();
    }
    RegGetDefaultValue(commandKey, commandLine, ASSOC_COMMAND_LINE_SIZE);
    RegKeyClose(commandKey);
    return VERB_FOUND;
}

bool WriteVerb(int place, const wchar_t* className, const wchar_t* menuText,
               const wchar_t* commandLine, unsigned values)
{
    wchar_t resolved[CLASS_NAME_SIZE];
    ResolveClassName(place, resolved, className);
    bool newClass = false;
    HKEY classKey;
    if (resolved[0] == L'\0' || !RegKeyCreate(ClassesKey(place), resolved, &classKey, &newClass)) {
        return false;
    }
    bool written = false;
    bool newShell = false;
    HKEY shellKey;
    if (RegKeyCreate(classKey, L"shell", &shellKey, &newShell)) {
        bool newVerb = false;
        HKEY verbKey;
        if (RegKeyCreate(shellKey, ASSOC_VERB_KEY, &verbKey, &newVerb)) {
            written = WriteVerbValues(place, verbKey, menuText, commandLine, values);
            RegKeyClose(verbKey);
        }
        // Never a menu entry without its command: what this call made goes
        // again (which leaves the refusal the last error: it succeeds).
        if (!written && newVerb) {
            RegKeyDeleteTree(shellKey, ASSOC_VERB_KEY);
        }
        RegKeyClose(shellKey);
        if (!written && newShell) {
            RegKeyDelete(classKey, L"shell");
        }
    }
    RegKeyClose(classKey);
    if (!written && newClass) {
        RegKeyDelete(ClassesKey(place), resolved);
    }
    return written;
}

bool RemoveVerb(int place, const wchar_t* className)
{
    HKEY verbKey;
    if (!OpenVerbKey(place, className, &verbKey)) {
        return RegKeyMissing();  // nothing to remove
    }
    RegKeyClose(verbKey);
    wchar_t resolved[CLASS_NAME_SIZE];
    ResolveClassName(place, resolved, className);
    HKEY classKey;
    HKEY shellKey;
    if (!RegKeyOpen(ClassesKey(place), resolved, &classKey)) {
        return false;
    }
    bool removed = false;
    if (RegKeyOpenToWrite(classKey, L"shell", &shellKey)) {
        // Subkeys other programs added under our verb go with it.
        removed = RegKeyDeleteTree(shellKey, ASSOC_VERB_KEY);
        RegKeyClose(shellKey);
    }
    // What setup made in the user's own classes goes once it holds nothing else.
    if (removed && place == PLACE_USER && RegKeyDeleteIfEmpty(classKey, L"shell")) {
        RegKeyDeleteIfEmpty(ClassesKey(place), resolved);
    }
    RegKeyClose(classKey);
    return removed;
}

bool VerbUsesClass(int place, const wchar_t* className)
{
    HKEY verbKey;
    HKEY key;
    if (!OpenVerbKey(place, className, &verbKey) ||
        !OpenChildAndClose(RegKeyOpen, verbKey, DROP_TARGET_KEY, &key)) {
        // An entry that cannot be read may name it.
        return !RegKeyMissing();
    }
    RegKeyClose(key);
    return true;
}

bool SettleDropTargets(int place)
{
    wchar_t server[CMDLINE_BUFFER_SIZE];
    const bool known = ReadDropTargetServer(place, server);
    bool settled = true;
    bool used = false;
    for (const AssociationKind& kind : AssociationKindTable) {
        wchar_t command[CMDLINE_BUFFER_SIZE] = L"";
        if (!VerbUsesClass(place, kind.className)) {
            continue;
        }
        // One whose command starts another program: Explorer runs that per item.
        if (known && ReadVerb(place, kind.className, nullptr, command) == VERB_FOUND &&
            !SameProgram(command, server)) {
            if (RemoveDropTarget(place, kind)) {
                continue;
            }
            settled = false;
        }
        used = true;
    }
    return (used || RemoveDropTargetClass(place)) && settled;
}
