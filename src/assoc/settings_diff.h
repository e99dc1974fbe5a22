#pragma once
// Which kinds an edit changed.
#include <stdint.h>

#include "assoc/settings.h"

// The kinds switched on or off, and the kinds on in both whose menu text or
// command line differ (byte for byte). Symmetric in its two records.
uint32_t DiffAssociationSettings(const AssociationSettings* edited,
                                 const AssociationSettings* loaded);
