#include "assoc/settings_diff.h"

#include "text/str.h"

uint32_t DiffAssociationSettings(const AssociationSettings* edited,
                                 const AssociationSettings* loaded)
{
    uint32_t changed = edited->enabledMask ^ loaded->enabledMask;
    for (const AssociationKind& kind : AssociationKindTable) {
        // A kind that is off on either side is already decided by the XOR.
        if (!(edited->enabledMask & loaded->enabledMask & kind.flag)) {
            continue;
        }
        const AssociationKindBlock* a = &edited->kinds[kind.index];
        const AssociationKindBlock* b = &loaded->kinds[kind.index];
        if (!StrEqual(a->commandLine, b->commandLine)) {
            changed |= kind.flag;
        }
        if (!StrEqual(a->menuText, b->menuText)) {
            changed |= kind.flag;
        }
    }
    return changed;
}
