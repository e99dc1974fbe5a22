#include "assoc/settings.h"

const AssociationKind AssociationKindTable[ASSOC_KIND_COUNT] = {
    {ASSOC_KIND_FILE, ASSOC_FLAG_FILE, "*"},
    {ASSOC_KIND_DIRECTORY, ASSOC_FLAG_DIRECTORY, "directory"},
};
