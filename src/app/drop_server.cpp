#include "app/drop_server.h"

#include <windows.h>
#include <objbase.h>

#include "app/drop_target.h"
#include "app/run.h"
#include "assoc/drop_target.h"
#include "base/mem.h"
#include "base/trace.h"

namespace {

const UINT_PTR kLingerTimer = 1;
bool g_draining;

// Each queued drop in turn, through the very same steps as command-line
// arguments. The boxes' modal loops dispatch incoming calls, and with them
// the wake-up of a drop that arrives while a question is open: that drop
// waits in the queue until the items before it are done.
void RunQueuedDrops(HWND window)
{
    if (g_draining) {
        return;
    }
    g_draining = true;
    // The work holds the server as a client's object would.
    CoAddRefServerProcess();
    while (QueuedDrop* drop = TakeQueuedDrop()) {
        for (int i = 0; i < drop->count; ++i) {
            // As the ANSI command line would hold it.
            char ansi[1024] = "";
            WideCharToMultiByte(CP_ACP, 0, drop->items[i], -1, ansi, sizeof ansi - 1, nullptr,
                                nullptr);
            GetTraceSink()("argv[%2d]=%s\r\n", i + 1, ansi);
        }
        MovePaths(drop->count, drop->items, 0);
        MemFree(drop);
    }
    CoReleaseServerProcess();
    g_draining = false;
    SetTimer(window, kLingerTimer, SERVER_LINGER_MS, nullptr);
}

// Idle for a whole linger: leave, unless a client holds an object or work
// is under way. The last server reference suspends activation as it goes, so
// a client arriving now starts a new server instead of reaching this one.
void Linger(HWND window)
{
    if (CoReleaseServerProcess() == 0) {
        KillTimer(window, kLingerTimer);
        PostQuitMessage(0);
        return;
    }
    CoAddRefServerProcess();
}

LRESULT CALLBACK ServerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOBO_DROPPED) {
        RunQueuedDrops(window);
        return 0;
    }
    if (message == WM_TIMER && wParam == kLingerTimer) {
        Linger(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int RunDropServer()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ServerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"nobo drop server";
    RegisterClassW(&windowClass);
    // Message-only: it receives the wake-ups and the linger timer, never shown.
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, windowClass.hInstance, nullptr);
    // The class setup registers for this program.
    CLSID clsid;
    DWORD cookie = 0;
    if (!window || FAILED(CLSIDFromString(NOBO_CLASS_ID, &clsid)) ||
        FAILED(CoRegisterClassObject(clsid, DropTargetFactory(window), CLSCTX_LOCAL_SERVER,
                                     REGCLS_MULTIPLEUSE | REGCLS_SUSPENDED, &cookie))) {
        return 0;
    }
    // The server's own reference while it lingers; Linger gives it up.
    CoAddRefServerProcess();
    CoResumeClassObjects();
    SetTimer(window, kLingerTimer, SERVER_LINGER_MS, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    CoRevokeClassObject(cookie);
    // Whatever was queued as the server decided to leave is still served.
    RunQueuedDrops(window);
    KillTimer(window, kLingerTimer);
    DestroyWindow(window);
    return 0;
}
