#pragma once
// AssociationSettings to and from the registry, and the defaults of a kind
// that is not registered.
#include <stdint.h>

#include "assoc/settings.h"

// "↑へ移動", for both kinds.
extern const wchar_t ASSOC_DEFAULT_MENU_TEXT[];

// Fills every block as Explorer sees it, from the user's own entry where
// there is one, else the machine's: a registered kind gets its flag and its
// stored texts (empty where a value is missing), any other kind the
// defaults; a kind whose entry cannot be read also its unreadable flag.
void LoadAssociationSettings(AssociationSettings* settings);
// Writes the entry of each kind in changed that edited has on (only the
// values that differ from loaded, all of a kind switched on), removes the
// others in changed; kinds outside changed are not touched. An entry changes
// in the place it was read from; one switched on goes to the machine's
// classes, or to the user's where Windows refuses those. Each place changed
// then keeps its drop targets consistent and loses nobo's class once no
// entry there names it; Explorer is told. Returns the kinds whose change
// failed (0: all made), a class that could not go counting for the kinds
// changed in its place.
uint32_t ApplyAssociationSettings(const AssociationSettings* edited,
                                  const AssociationSettings* loaded, uint32_t changed);
