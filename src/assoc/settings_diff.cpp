#include "assoc/settings_diff.h"

#include "text/str.h"

unsigned DiffKindValues(const AssociationSettings* edited, const AssociationSettings* loaded,
                        const AssociationKind& kind)
{
    if (!(edited->enabledMask & kind.flag)) {
        return 0;
    }
    if (!(loaded->enabledMask & kind.flag)) {
        return ASSOC_VALUE_MENU | ASSOC_VALUE_COMMAND | ASSOC_VALUE_NEW;
    }
    const AssociationKindBlock* a = &edited->kinds[kind.index];
    const AssociationKindBlock* b = &loaded->kinds[kind.index];
    unsigned values = 0;
    if (!StrEqual(a->menuText, b->menuText)) {
        values |= ASSOC_VALUE_MENU;
    }
    if (!StrEqual(a->commandLine, b->commandLine)) {
        values |= ASSOC_VALUE_COMMAND;
    }
    return values;
}

uint32_t DiffAssociationSettings(const AssociationSettings* edited,
                                 const AssociationSettings* loaded)
{
    // A kind that is off on either side is decided by the XOR alone.
    uint32_t changed = edited->enabledMask ^ loaded->enabledMask;
    for (const AssociationKind& kind : AssociationKindTable) {
        if (DiffKindValues(edited, loaded, kind) != 0) {
            changed |= kind.flag;
        }
    }
    return changed;
}
