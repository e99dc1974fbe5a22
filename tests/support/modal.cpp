#include "support/modal.h"

namespace {

enum Stage { WAITING, ACTING, DONE };
Stage g_stage;
HWND (*g_window)();
void (*g_during)(HWND);
HWND g_dialog;

// Timer messages come only once the queue is empty: what `during` posted is
// handled first.
void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND dialog = g_window();
    if (g_stage == WAITING) {
        if (dialog == nullptr) return;
        g_stage = ACTING;
        g_dialog = dialog;
        g_during(dialog);
        g_stage = DONE;
        return;
    }
    if (dialog != nullptr && dialog != g_dialog) {
        EndDialog(dialog, MODAL_LEFT_OPEN);
    } else if (g_stage == DONE && IsWindow(g_dialog)) {
        EndDialog(g_dialog, MODAL_LEFT_OPEN);
    }
}

}  // namespace

INT_PTR RunModalWith(INT_PTR (*show)(), HWND (*window)(), void (*during)(HWND dialog))
{
    g_stage = WAITING;
    g_window = window;
    g_during = during;
    const UINT_PTR timer = SetTimer(nullptr, 0, 0, Tick);
    const INT_PTR result = show();
    KillTimer(nullptr, timer);
    return result;
}
