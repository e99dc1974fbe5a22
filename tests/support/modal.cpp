#include "support/modal.h"

#include <vector>

#include "support/box_answerer.h"

namespace {

struct Driver {
    const std::function<void(HWND)>* body;
    HWND dialog;
    UINT_PTR timer;
    bool ran;
};

std::vector<Driver*> g_drivers;  // innermost last

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && !g_drivers.empty() && !g_drivers.back()->dialog &&
        !(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD) && IsDialogClassWindow(hwnd))
        g_drivers.back()->dialog = hwnd;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK OnIdle(HWND, UINT, UINT_PTR id, DWORD)
{
    for (Driver* d : g_drivers) {
        if (d->timer != id || !d->dialog || !IsWindowVisible(d->dialog)) continue;
        KillTimer(nullptr, id);
        d->timer = 0;
        d->ran = true;
        (*d->body)(d->dialog);
        if (IsWindow(d->dialog) && IsWindowVisible(d->dialog))
            SendMessageA(d->dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
}

}  // namespace

bool DriveModal(const std::function<void()>& show, const std::function<void(HWND)>& body)
{
    Driver driver = {&body, nullptr, SetTimer(nullptr, 0, 0, OnIdle), false};
    HHOOK hook = SetWindowsHookExA(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    g_drivers.push_back(&driver);
    show();
    g_drivers.pop_back();
    UnhookWindowsHookEx(hook);
    if (driver.timer) KillTimer(nullptr, driver.timer);
    return driver.ran;
}

// RunModalWith: one dialog found by a query, acted on once.
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
