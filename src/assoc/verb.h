#pragma once
// The context-menu entry "Vellanort.nobo" of a class, in one place of the
// registry (PLACE_..., assoc/registry.h):
//   <class>\shell\Vellanort.nobo            default value: the menu text;
//                                           MultiSelectModel "Player", Icon
//   <class>\shell\Vellanort.nobo\command    default value: the command line
//   <class>\shell\Vellanort.nobo\DropTarget Clsid: nobo's class, with this
//                                           program's default command only
// A class whose default value names another existing class of the same place
// stands for that class (one level, never more). Keys are opened to read
// unless they are written. Every key opened is closed before returning.
#include <windows.h>

#include "text/path.h"

enum { CLASS_NAME_SIZE = PATH_BUFFER_SIZE };

// What ReadVerb found.
enum {
    VERB_MISSING,     // no entry (or one without its command)
    VERB_FOUND,       // an entry, its texts read
    VERB_UNREADABLE,  // something there that may not be read: it may be an entry
};

// out: CLASS_NAME_SIZE units. A class name longer than 260 units is cut,
// never inside a surrogate pair.
void ResolveClassName(int place, wchar_t* out, const wchar_t* className);

// menuText (ASSOC_MENU_TEXT_SIZE units, or null: not read) and commandLine
// (CMDLINE_BUFFER_SIZE units) keep their content where a value is missing.
int ReadVerb(int place, const wchar_t* className, wchar_t* menuText, wchar_t* commandLine);
// Creates what is missing (the class key too) and sets the values named in
// values (ASSOC_VALUE_...): the menu text, the command, and for a new entry
// MultiSelectModel and Icon; Icon also when the command is set to this
// program's default one. An entry with that command gets the DropTarget and
// the place's class, unless in the user's place that would take a machine
// entry's selections to another program; one whose command is changed to
// another loses it. Every other value stays, byte for byte. True when all
// were written; otherwise the last error is the refusal's, and the keys this
// call created are gone again: never an entry without its command.
bool WriteVerb(int place, const wchar_t* className, const wchar_t* menuText,
               const wchar_t* commandLine, unsigned values);
// Deletes the verb key with everything under it; in the user's place also the
// shell and class keys it leaves empty. True when there is no entry
// afterwards (also when there was none).
bool RemoveVerb(int place, const wchar_t* className);
// True when the entry names nobo's class as its drop target, or may (it
// cannot be read).
bool VerbUsesClass(int place, const wchar_t* className);
// After a change in place: an entry there keeps its DropTarget only while
// the place's class is served by the very program its command names (the
// user's entries get a DropTarget only with the user's class, which Explorer
// reaches first); the class goes once no entry there names it. False when
// either could not be done.
bool SettleDropTargets(int place);
