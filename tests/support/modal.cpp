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
