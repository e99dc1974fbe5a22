#include "support/box_answerer.h"

namespace {
BoxAnswerer* g_active;
}

bool IsDialogClassWindow(HWND hwnd)
{
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    return lstrcmpA(cls, "#32770") == 0;
}

std::string WindowTextA(HWND hwnd)
{
    int n = GetWindowTextLengthA(hwnd);
    std::string s(n + 1, '\0');
    int got = GetWindowTextA(hwnd, &s[0], n + 1);
    s.resize(got > 0 ? got : 0);
    return s;
}

BoxAnswerer::BoxAnswerer(std::vector<int> answers, int fallback)
    : hook_(nullptr), answers_(std::move(answers)), fallback_(fallback)
{
    g_active = this;
    hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

BoxAnswerer::~BoxAnswerer()
{
    if (hook_) UnhookWindowsHookEx(hook_);
    g_active = nullptr;
}

LRESULT CALLBACK BoxAnswerer::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    // Wine sends HCBT_ACTIVATE a second time with a NULL window: skip it.
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_active && hwnd && IsWindow(hwnd) && IsDialogClassWindow(hwnd) &&
        GetDlgItem(hwnd, 0xFFFF))
        g_active->OnActivate(hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void BoxAnswerer::OnActivate(HWND box)
{
    // A box is activated more than once (focus changes): record it once.
    if (GetPropA(box, "NOBO_TEST_SEEN")) return;
    SetPropA(box, "NOBO_TEST_SEEN", reinterpret_cast<HANDLE>(1));
    SeenBox s;
    s.caption = WindowTextA(box);
    s.text = WindowTextA(GetDlgItem(box, 0xFFFF));
    s.buttons = GetDlgItem(box, IDYES) ? MB_YESNO : MB_OK;
    int answer = fallback_ ? fallback_ : (s.buttons == MB_YESNO ? IDNO : IDOK);
    if (seen_.size() < answers_.size()) answer = answers_[seen_.size()];
    s.answer = answer;
    seen_.push_back(s);
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
}
