#pragma once
// Which kinds an edit changed, and which values of a kind the writer sets.
#include <stdint.h>

#include "assoc/settings.h"

// The values of one kind's entry to write: each bit set when it is written.
enum {
    ASSOC_VALUE_MENU = 1,     // the menu text
    ASSOC_VALUE_COMMAND = 2,  // the command line
    ASSOC_VALUE_NEW = 4,      // a kind switched on: the selection model and icon too
};

// For a kind edited has on: every value when loaded has it off, else the
// menu text and command line that differ (unit for unit). 0 for a kind
// edited has off: it is removed, or left alone.
unsigned DiffKindValues(const AssociationSettings* edited, const AssociationSettings* loaded,
                        const AssociationKind& kind);
// The kinds switched on or off, and the kinds on in both whose menu text or
// command line differ. Symmetric in its two records.
uint32_t DiffAssociationSettings(const AssociationSettings* edited,
                                 const AssociationSettings* loaded);
