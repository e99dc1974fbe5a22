#include "assoc/settings_io.h"

#include <windows.h>
#include <shlobj.h>

#include "assoc/default_command.h"
#include "assoc/registry.h"
#include "assoc/settings_diff.h"
#include "assoc/verb.h"
#include "text/str.h"

const wchar_t ASSOC_DEFAULT_MENU_TEXT[] = L"↑へ移動";

void LoadAssociationSettings(AssociationSettings* settings)
{
    settings->enabledMask = 0;
    settings->userMask = 0;
    settings->unreadableMask = 0;
    for (const AssociationKind& kind : AssociationKindTable) {
        AssociationKindBlock* block = &settings->kinds[kind.index];
        block->targetText[0] = L'\0';
        // As Explorer sees it: the user's own entry where there is one, else
        // the machine's. A registered entry without values shows empty texts,
        // whatever the record held before.
        int found = VERB_MISSING;
        for (int place = PLACE_USER; place < PLACE_COUNT && found == VERB_MISSING; ++place) {
            block->menuText[0] = L'\0';
            block->commandLine[0] = L'\0';
            found = ReadVerb(place, kind.className, block->menuText, block->commandLine);
            if (found != VERB_MISSING && place == PLACE_USER) {
                settings->userMask |= kind.flag;
            }
        }
        if (found == VERB_FOUND) {
            settings->enabledMask |= kind.flag;
            continue;
        }
        if (found == VERB_UNREADABLE) {
            settings->unreadableMask |= kind.flag;
        }
        StrCopyBounded<wchar_t>(ASSOC_MENU_TEXT_SIZE, block->menuText, ASSOC_DEFAULT_MENU_TEXT);
        BuildDefaultCommandLine(block->commandLine);
    }
}

uint32_t ApplyAssociationSettings(const AssociationSettings* edited,
                                  const AssociationSettings* loaded, uint32_t changed)
{
    uint32_t failed = 0;
    uint32_t placed[PLACE_COUNT] = {0, 0};  // the kinds changed in each place
    for (const AssociationKind& kind : AssociationKindTable) {
        if (!(changed & kind.flag)) {
            continue;
        }
        const AssociationKindBlock* block = &edited->kinds[kind.index];
        // A kind's entry changes where it was read.
        int place = (loaded->userMask & kind.flag) ? PLACE_USER : PLACE_MACHINE;
        bool done = false;
        if (edited->enabledMask & kind.flag) {
            const unsigned values = DiffKindValues(edited, loaded, kind);
            done = WriteVerb(place, kind.className, block->menuText, block->commandLine, values);
            // One ticked anew goes to the user's own classes where Windows
            // refuses the machine's.
            if (!done && (values & ASSOC_VALUE_NEW) && GetLastError() == ERROR_ACCESS_DENIED) {
                place = PLACE_USER;
                done =
                    WriteVerb(place, kind.className, block->menuText, block->commandLine, values);
            }
        } else {
            done = RemoveVerb(place, kind.className);
        }
        if (done) {
            placed[place] |= kind.flag;
        } else {
            failed |= kind.flag;
        }
    }
    // Each place changed keeps its drop targets with the program they reach;
    // a class that cannot go is a change refused.
    for (int place = PLACE_USER; place < PLACE_COUNT; ++place) {
        if (placed[place] != 0 && !SettleDropTargets(place)) {
            failed |= placed[place];
        }
    }
    // Explorer reads the entries afresh, without a restart.
    if ((placed[PLACE_USER] | placed[PLACE_MACHINE]) != 0) {
        SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
    }
    return failed;
}
