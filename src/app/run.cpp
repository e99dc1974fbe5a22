#include "app/run.h"

#include "app/drop_server.h"
#include "app/move_run.h"
#include "app/move_up.h"
#include "assoc/assoc_dialog.h"
#include "base/system_library.h"
#include "text/str.h"

namespace {

struct OptionRow {
    const wchar_t* text;
    unsigned flag;
};

const OptionRow kOptions[] = {
    {L"/open", OPTF_OPEN},
};

// COM starts a local server with one of these alone (any case).
const wchar_t* const kServerSwitches[] = {L"-Embedding", L"/Embedding"};

}  // namespace

int ChooseRunMode(int count, wchar_t** argv)
{
    if (count <= 1) {
        return RUNMODE_SETUP;
    }
    for (const wchar_t* text : kServerSwitches) {
        if (count == 2 && StrEqualNoCase(argv[1], text)) {
            return RUNMODE_SERVER;
        }
    }
    return RUNMODE_MOVE;
}

// A switch is only recognised, not removed: it also reaches the path
// resolution, where it names nothing and is dropped.
unsigned ParseOptions(int count, wchar_t** argv)
{
    unsigned flags = 0;
    for (int i = 1; i < count; ++i) {
        for (const OptionRow& row : kOptions) {
            if (StrEqualNoCase(argv[i], row.text)) {
                flags |= row.flag;
            }
        }
    }
    return flags;
}

int RunMain(int count, wchar_t** argv)
{
    const int mode = ChooseRunMode(count, argv);
    if (mode == RUNMODE_SERVER) {
        return RunDropServer();
    }
    if (mode == RUNMODE_SETUP) {
        // Only the setup dialog and its About box use the common controls;
        // loading them would slow every move for nothing.
        InitCommonControlsFromSystem();
        ShowAssociationDialog();
        return 0;
    }
    const unsigned flags = ParseOptions(count, argv);
    MovePaths(count - 1, argv + 1, flags);
    return 0;
}

void MovePaths(int count, wchar_t** paths, unsigned flags)
{
    MoveRun* run = StartMoveRun(count, paths, flags);
    while (StepMoveRun(run)) {
    }
    EndMoveRun(run);
}
