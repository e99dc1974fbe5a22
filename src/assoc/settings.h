#pragma once
// The user's choices for the context-menu entry: one block per kind of item,
// and the kinds themselves. Plain values, no Win32.
#include <stdint.h>

#include "text/str.h"

enum {
    ASSOC_KIND_FILE = 1000,       // every file: class "*"
    ASSOC_KIND_DIRECTORY = 1001,  // every folder: class "directory"
    ASSOC_KIND_COUNT = 2,
};

enum {
    ASSOC_FLAG_FILE = 1,
    ASSOC_FLAG_DIRECTORY = 2,
};

enum {
    ASSOC_TARGET_TEXT_SIZE = 523,
    ASSOC_MENU_TEXT_SIZE = 0x8000,
    ASSOC_COMMAND_LINE_SIZE = CMDLINE_BUFFER_SIZE,
};

struct AssociationKind {
    int id;                 // minus ASSOC_KIND_FILE: the index of its block
    uint32_t flag;          // its bit in the enabled and changed masks
    const char* className;  // under HKEY_CLASSES_ROOT
};

// Both kinds, in the order every loop visits them.
extern const AssociationKind AssociationKindTable[ASSOC_KIND_COUNT];

struct AssociationKindBlock {
    char targetText[ASSOC_TARGET_TEXT_SIZE];  // shown only; never stored nor compared
    char menuText[ASSOC_MENU_TEXT_SIZE];
    char commandLine[ASSOC_COMMAND_LINE_SIZE];
};

struct AssociationSettings {
    uint32_t enabledMask;
    AssociationKindBlock kinds[ASSOC_KIND_COUNT];
};

// The kinds switched on or off, and the kinds on in both whose menu text or
// command line differ (byte for byte). Symmetric in its two records.
uint32_t DiffAssociationSettings(const AssociationSettings* edited,
                                 const AssociationSettings* loaded);
