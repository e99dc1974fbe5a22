#include "app/drop_server.h"

#include <windows.h>
#include <objbase.h>

#include "app/drop_target.h"
#include "app/move_run.h"
#include "assoc/drop_target.h"
#include "base/mem.h"
#include "base/trace.h"

namespace {

enum {
    WM_NOBO_STEP = WM_APP + 1,  // posted to itself: the next step of the work
};

const UINT_PTR kLingerTimer = 1;
const UINT_PTR kLeaveTimer = 2;

struct Server {
    HWND window;
    CLSID clsid;
    DWORD cookie;      // the class's registration; 0 while it is revoked
    bool working;      // a run under way or drops waiting: the work holds the process
    bool leaving;      // the class revoked, the last calls awaited
    bool left;         // no call came while leaving: the loop ends
    QueuedDrop* drop;  // the run's items
    int traced;        // of them, those traced
    MoveRun* run;
};

Server g_server;

bool RegisterClassObject()
{
    return SUCCEEDED(CoRegisterClassObject(g_server.clsid, DropTargetFactory(g_server.window),
                                           CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                                           &g_server.cookie));
}

void RevokeClassObject()
{
    if (g_server.cookie) {
        CoRevokeClassObject(g_server.cookie);
        g_server.cookie = 0;
    }
}

// The linger counts from the last thing done: a step, or a call answered.
void ArmLinger()
{
    if (!g_server.working && !g_server.leaving) {
        SetTimer(g_server.window, kLingerTimer, SERVER_LINGER_MS, nullptr);
    }
}

// Any call that reaches a leaving server comes from a client that found its
// class before the revoke (Wine hands out a class's address until then, and
// the client's first call follows a moment later): the class is registered
// again and the client served, which a call answered with the class gone
// would fail. The server's own reference comes back with it.
void AnswerCall()
{
    if (g_server.leaving && RegisterClassObject()) {
        KillTimer(g_server.window, kLeaveTimer);
        g_server.leaving = false;
        g_server.left = false;
        CoAddRefServerProcess();
    }
    ArmLinger();
}

// Idle for a whole linger: leave, unless a client holds an object. Windows
// suspends the class as the last reference goes; Wine does not, so the class
// is revoked here, before leaving: a client that asks from now on starts a
// new server. The calls of one that asked before are still answered for a
// while (AnswerCall).
void Linger()
{
    KillTimer(g_server.window, kLingerTimer);
    if (CoReleaseServerProcess() != 0) {
        CoAddRefServerProcess();
        ArmLinger();
        return;
    }
    RevokeClassObject();
    g_server.leaving = true;
    SetTimer(g_server.window, kLeaveTimer, SERVER_LEAVE_MS, nullptr);
}

// The next item of the drop traced as the ANSI command line would hold it.
// One per step: thousands at once would keep calls waiting. A run resolves
// all its arguments, one per step, before it moves anything, so every line
// still comes before the first move.
void TraceNext()
{
    if (g_server.traced < g_server.drop->count) {
        char ansi[1024] = "";
        WideCharToMultiByte(CP_ACP, 0, g_server.drop->items[g_server.traced], -1, ansi,
                            sizeof ansi - 1, nullptr, nullptr);
        GetTraceSink()("argv[%2d]=%s\r\n", ++g_server.traced, ansi);
    }
}

// One step of the work per turn of the message loop, so that calls that
// arrive meanwhile are answered between two steps: the drops in the order
// they came, each through the same run as command-line arguments. The next
// step is posted only once this one is done: a box's modal loop, which
// dispatches what arrives while a question is open, never starts one.
void Step()
{
    if (!g_server.run) {
        g_server.drop = TakeQueuedDrop();
        if (!g_server.drop) {
            g_server.working = false;
            CoReleaseServerProcess();
            ArmLinger();
            return;
        }
        g_server.traced = 0;
        g_server.run = StartMoveRun(g_server.drop->count, g_server.drop->items, 0);
    }
    TraceNext();
    const bool more = g_server.run && StepMoveRun(g_server.run);
    if (!more) {
        while (g_server.traced < g_server.drop->count) {
            TraceNext();
        }
        EndMoveRun(g_server.run);
        MemFree(g_server.drop);
        g_server.run = nullptr;
        g_server.drop = nullptr;
    }
    PostMessageW(g_server.window, WM_NOBO_STEP, 0, 0);
}

// A drop queued: the work starts unless it is under way (a drop that arrives
// while a question is open waits its turn). The work holds the server as a
// client's object would.
void Wake()
{
    if (g_server.working) {
        return;
    }
    g_server.working = true;
    CoAddRefServerProcess();
    KillTimer(g_server.window, kLingerTimer);
    PostMessageW(g_server.window, WM_NOBO_STEP, 0, 0);
}

LRESULT CALLBACK ServerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOBO_DROPPED) {
        Wake();
        return 0;
    }
    if (message == WM_NOBO_STEP) {
        Step();
        return 0;
    }
    if (message == WM_TIMER && wParam == kLingerTimer) {
        Linger();
        return 0;
    }
    if (message == WM_TIMER && wParam == kLeaveTimer) {
        KillTimer(window, kLeaveTimer);
        g_server.left = true;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Static, like the class object: it sees every incoming call first.
class CallWatch : public IMessageFilter {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        *out =
            IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMessageFilter) ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override
    {
        return 2;
    }
    ULONG STDMETHODCALLTYPE Release() override
    {
        return 1;
    }
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override
    {
        AnswerCall();
        return SERVERCALL_ISHANDLED;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override
    {
        return static_cast<DWORD>(-1);
    }
    // While Drop reads the selection from Explorer (a call out), the next
    // step waits: no question may open inside Drop, where Explorer waits.
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override
    {
        return PENDINGMSG_WAITNOPROCESS;
    }
};

CallWatch g_callWatch;

}  // namespace

int RunDropServer()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ServerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"nobo drop server";
    RegisterClassW(&windowClass);
    // Message-only: it receives the wake-ups, the steps and the timers, never shown.
    g_server.window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0,
                                      HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
    // The class setup registers for this program.
    if (!g_server.window || FAILED(CLSIDFromString(NOBO_CLASS_ID, &g_server.clsid))) {
        return 0;
    }
    CoRegisterMessageFilter(&g_callWatch, nullptr);
    if (!RegisterClassObject()) {
        CoRegisterMessageFilter(nullptr, nullptr);
        return 0;
    }
    // The server's own reference while it lingers; Linger gives it up.
    CoAddRefServerProcess();
    ArmLinger();
    // Once left, what is already waiting is still dispatched: a call that
    // comes now brings the server back (AnswerCall).
    MSG message;
    for (;;) {
        const BOOL got = g_server.left ? PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)
                                       : GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            break;
        }
        DispatchMessageW(&message);
    }
    RevokeClassObject();
    CoRegisterMessageFilter(nullptr, nullptr);
    // Whatever was queued is still served, one run after another.
    while (g_server.working) {
        Step();
    }
    DestroyWindow(g_server.window);
    return 0;
}
