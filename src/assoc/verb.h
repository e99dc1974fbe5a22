#pragma once
// The context-menu entry "Vellanort.nobo" of a class under HKEY_CLASSES_ROOT:
//   <class>\shell\Vellanort.nobo            default value: the menu text;
//                                           MultiSelectModel "Player", Icon
//   <class>\shell\Vellanort.nobo\command    default value: the command line
//   <class>\shell\Vellanort.nobo\DropTarget Clsid: nobo's class, with this
//                                           program's default command only
// A class whose default value names another existing class stands for that
// class (one level, never more). Keys are opened to read unless they are
// written. Every key opened is closed before returning; a handle given back
// through an out parameter belongs to the caller.
#include <windows.h>

#include "text/path.h"

enum { CLASS_NAME_SIZE = PATH_BUFFER_SIZE };

// out: CLASS_NAME_SIZE units. A class name longer than 260 units is cut,
// never inside a surrogate pair.
void ResolveClassName(wchar_t* out, const wchar_t* className);
// Opened to read.
bool OpenClassKey(const wchar_t* className, HKEY* key);
bool OpenShellKey(const wchar_t* className, HKEY* key);
bool OpenVerbKey(const wchar_t* className, HKEY* key);

// True when the verb key and its command key both open. menuText
// (ASSOC_MENU_TEXT_SIZE units) and commandLine (CMDLINE_BUFFER_SIZE units)
// keep their content where a value is missing.
bool ReadVerb(const wchar_t* className, wchar_t* menuText, wchar_t* commandLine);
// Creates what is missing below the class key (never the class key itself)
// and sets the values named in values (ASSOC_VALUE_...): the menu text, the
// command, and for a new entry MultiSelectModel and Icon; Icon also when the
// command is set to this program's default one. An entry with that command
// gets the DropTarget (and the class it names); one whose command is changed
// to another loses it. Every other value stays, byte for byte. True when all
// were written. On failure the keys this call created are gone again: never
// an entry without its command.
bool WriteVerb(const wchar_t* className, const wchar_t* menuText, const wchar_t* commandLine,
               unsigned values);
// Deletes the verb key with everything under it; the shell key stays. True
// when there is no entry afterwards (also when there was none).
bool RemoveVerb(const wchar_t* className);
// True when the entry names nobo's class as its drop target.
bool VerbHasDropTarget(const wchar_t* className);
