#pragma once
// The context-menu entry "Vellanort.nobo" of a class under HKEY_CLASSES_ROOT:
//   <class>\shell\Vellanort.nobo            default value: the menu text;
//                                           MultiSelectModel "Player", Icon
//   <class>\shell\Vellanort.nobo\command    default value: the command line
// A class whose default value names another existing class stands for that
// class (one level, never more). Keys are opened to read unless they are
// written. Every key opened is closed before returning; a handle given back
// through an out parameter belongs to the caller.
#include <windows.h>

#include "text/path.h"

enum { CLASS_NAME_SIZE = PATH_BUFFER_SIZE };

// out: CLASS_NAME_SIZE bytes. A class name longer than 260 bytes is cut,
// never inside a double-byte character.
void ResolveClassName(char* out, const char* className);
// Opened to read.
bool OpenClassKey(const char* className, HKEY* key);
bool OpenShellKey(const char* className, HKEY* key);
bool OpenVerbKey(const char* className, HKEY* key);

// True when the verb key and its command key both open. menuText
// (ASSOC_MENU_TEXT_SIZE bytes) and commandLine (CMDLINE_BUFFER_SIZE bytes)
// keep their content where a value is missing.
bool ReadVerb(const char* className, char* menuText, char* commandLine);
// Creates what is missing below the class key (never the class key itself)
// and sets the menu text, the command, MultiSelectModel and (when this
// program's path has an exact ANSI form) Icon; other values of those keys
// stay. True when all were written. On failure the keys this call created
// are gone again: never an entry without its command.
bool WriteVerb(const char* className, const char* menuText, const char* commandLine);
// Deletes the verb key with everything under it; the shell key stays. True
// when there is no entry afterwards (also when there was none).
bool RemoveVerb(const char* className);
