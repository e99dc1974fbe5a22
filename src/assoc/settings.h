#pragma once
// The user's choices for the context-menu entry: one block per kind of item,
// and the kinds themselves. Plain values, no Win32.
#include <stdint.h>

#include "text/str.h"

// A kind is its zero-based index: of its row in AssociationKindTable, of its
// block in AssociationSettings and of its row in the dialog's control table.
enum {
    ASSOC_KIND_FILE = 0,       // every file: class "*"
    ASSOC_KIND_DIRECTORY = 1,  // every folder: class "Directory"
    ASSOC_KIND_COUNT = 2,
};

enum {
    ASSOC_FLAG_FILE = 1,
    ASSOC_FLAG_DIRECTORY = 2,
};

// Texts are UTF-16, sizes in units with the terminator: the menu text's
// 32 KB buffer holds 16,383 units.
enum {
    ASSOC_TARGET_TEXT_SIZE = 523,
    ASSOC_MENU_TEXT_SIZE = 0x4000,
    ASSOC_COMMAND_LINE_SIZE = CMDLINE_BUFFER_SIZE,
};

struct AssociationKind {
    int index;                 // ASSOC_KIND_...
    uint32_t flag;             // its bit in the enabled and changed masks
    const wchar_t* className;  // among the classes
};

// Both kinds, in the order every loop visits them.
inline constexpr AssociationKind AssociationKindTable[] = {
    {ASSOC_KIND_FILE, ASSOC_FLAG_FILE, L"*"},
    {ASSOC_KIND_DIRECTORY, ASSOC_FLAG_DIRECTORY, L"Directory"},
};
static_assert(sizeof AssociationKindTable / sizeof AssociationKindTable[0] == ASSOC_KIND_COUNT &&
                  AssociationKindTable[ASSOC_KIND_FILE].index == ASSOC_KIND_FILE &&
                  AssociationKindTable[ASSOC_KIND_DIRECTORY].index == ASSOC_KIND_DIRECTORY,
              "one row per kind, at its index");

struct AssociationKindBlock {
    wchar_t targetText[ASSOC_TARGET_TEXT_SIZE];  // shown only; never stored nor compared
    wchar_t menuText[ASSOC_MENU_TEXT_SIZE];
    wchar_t commandLine[ASSOC_COMMAND_LINE_SIZE];
};

struct AssociationSettings {
    uint32_t enabledMask;
    uint32_t userMask;        // kinds whose entry is the user's own, not the machine's
    uint32_t unreadableMask;  // kinds whose entry could not be read: never changed
    AssociationKindBlock kinds[ASSOC_KIND_COUNT];
};
