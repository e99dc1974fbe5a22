#include "assoc/settings_io.h"

#include "assoc/default_command.h"
#include "assoc/drop_target.h"
#include "assoc/settings_diff.h"
#include "assoc/verb.h"
#include "text/str.h"

const wchar_t ASSOC_DEFAULT_MENU_TEXT[] = L"↑へ移動";

void LoadAssociationSettings(AssociationSettings* settings)
{
    settings->enabledMask = 0;
    for (const AssociationKind& kind : AssociationKindTable) {
        AssociationKindBlock* block = &settings->kinds[kind.index];
        block->targetText[0] = L'\0';
        // A registered entry without values shows empty texts, whatever the
        // record held before.
        block->menuText[0] = L'\0';
        block->commandLine[0] = L'\0';
        if (ReadVerb(kind.className, block->menuText, block->commandLine)) {
            settings->enabledMask |= kind.flag;
        } else {
            StrCopyBounded<wchar_t>(ASSOC_MENU_TEXT_SIZE, block->menuText, ASSOC_DEFAULT_MENU_TEXT);
            BuildDefaultCommandLine(block->commandLine);
        }
    }
}

uint32_t ApplyAssociationSettings(const AssociationSettings* edited,
                                  const AssociationSettings* loaded, uint32_t changed)
{
    uint32_t failed = 0;
    for (const AssociationKind& kind : AssociationKindTable) {
        if (!(changed & kind.flag)) {
            continue;
        }
        const AssociationKindBlock* block = &edited->kinds[kind.index];
        const bool done = (edited->enabledMask & kind.flag)
                              ? WriteVerb(kind.className, block->menuText, block->commandLine,
                                          DiffKindValues(edited, loaded, kind))
                              : RemoveVerb(kind.className);
        if (!done) {
            failed |= kind.flag;
        }
    }
    // The class goes with the last entry that names it.
    bool used = false;
    for (const AssociationKind& kind : AssociationKindTable) {
        used = used || VerbHasDropTarget(kind.className);
    }
    if (!used) {
        RemoveDropTargetClass();
    }
    return failed;
}
