#pragma once
// AssociationSettings to and from the registry, and the defaults of a kind
// that is not registered.
#include <stdint.h>

#include "assoc/settings.h"

// "↑へ移動", for both kinds.
extern const wchar_t ASSOC_DEFAULT_MENU_TEXT[];

// Fills every block: a registered kind gets its flag and its stored texts (empty
// where a value is missing), any other kind the defaults.
void LoadAssociationSettings(AssociationSettings* settings);
// Writes the entry of each kind in changed that edited has on (only the
// values that differ from loaded, all of a kind switched on), removes the
// others in changed; kinds outside changed are not touched. nobo's class is
// removed once no entry names it. Returns the kinds whose change failed (0:
// all made).
uint32_t ApplyAssociationSettings(const AssociationSettings* edited,
                                  const AssociationSettings* loaded, uint32_t changed);
