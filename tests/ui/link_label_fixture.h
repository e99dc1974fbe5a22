#pragma once
// The link label on a real static control in a real dialog (headless prefix:
// real messages, capture, timers and a cursor placed with SetCursorPos; no
// pixels). The parent records every notification and, where a test asks,
// sends hover and leave back to the control as a well-behaved parent does.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "support/dialog_probe.h"
#include "ui/link_label.h"

namespace link_label_test {

inline const int IDC_LINK = 20;
inline const int IDC_BARE = 21;

// The property names are a contract with whoever inspects the control.
inline const char* const PROP_NAMES[] = {"LLPROP_ORIGINALPROC", "LLPROP_CONTROLSTATE",
                                         "LLPROP_CURSOR", "LLPROP_FONT"};

struct Notice {
    WPARAM messageWParam;
    HWND from;
    UINT_PTR id;
    UINT code;
    WPARAM wParam;
    LPARAM lParam;
};

inline std::vector<Notice> g_notices;
inline bool g_reflect = false;

inline INT_PTR CALLBACK ParentProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_INITDIALOG) {
        return TRUE;
    }
    if (msg != WM_NOTIFY) {
        return FALSE;
    }
    const NMLINKLABEL* info = (const NMLINKLABEL*)lParam;
    g_notices.push_back(
        {wParam, info->hdr.hwndFrom, info->hdr.idFrom, info->hdr.code, info->wParam, info->lParam});
    if (g_reflect && info->hdr.code != LLN_CLICKED) {
        const LRESULT result = SendMessageA(info->hdr.hwndFrom, WM_NOTIFY, wParam, lParam);
        SetWindowLongPtrA(dlg, DWLP_MSGRESULT, result);
    }
    return TRUE;
}

// A test's own subclass under the link label: it records what the link label
// passes on, and at WM_DESTROY what the window looks like by then.
struct Recorder {
    WNDPROC previous;
    std::vector<UINT> notifyCodes;
    int nullNotifies;
    bool sawDestroy;
    std::set<std::string> propsAtDestroy;
    LONG_PTR procAtDestroy;
};
inline Recorder g_recorder;
inline const LRESULT RECORDER_NOTIFY_RESULT = 77;
inline const UINT FOREIGN_CODE = (UINT)-2;  // a common control's click, not ours

inline BOOL CALLBACK CollectProp(HWND, LPSTR name, HANDLE, ULONG_PTR param)
{
    if (!IS_INTRESOURCE(name)) {
        ((std::set<std::string>*)param)->insert(name);
    }
    return TRUE;
}

inline std::set<std::string> PropsOf(HWND hwnd)
{
    std::set<std::string> names;
    EnumPropsExA(hwnd, CollectProp, (LPARAM)&names);
    return names;
}

inline LRESULT CALLBACK RecorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY) {
        if (lParam == 0) {
            ++g_recorder.nullNotifies;
        } else {
            g_recorder.notifyCodes.push_back(((const NMHDR*)lParam)->code);
        }
        return RECORDER_NOTIFY_RESULT;
    }
    if (msg == WM_DESTROY) {
        g_recorder.sawDestroy = true;
        g_recorder.propsAtDestroy = PropsOf(hwnd);
        g_recorder.procAtDestroy = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    }
    return CallWindowProcA(g_recorder.previous, hwnd, msg, wParam, lParam);
}

inline HWND MakeDialog()
{
    static const DialogItemSpec items[] = {
        {DLG_CLASS_STATIC, (uintptr_t)u"Support site", WS_VISIBLE, 0, 10, 10, 80, 14, IDC_LINK},
    };
    return OpenTemplateDialog(WS_POPUP | WS_CAPTION | WS_VISIBLE, 160, 60, items, 1, nullptr,
                              ParentProc, 100, 100);
}

inline UINT_PTR StateOf(HWND link)
{
    return (UINT_PTR)GetPropA(link, "LLPROP_CONTROLSTATE");
}

inline const ClientSpot SPOTS[] = {
    {"top_left", 0, 0, false, false, true},     {"last_pixel", -1, -1, true, true, true},
    {"right_edge", 0, 3, true, false, false},   {"bottom_edge", 3, 0, false, true, false},
    {"left_of_it", -1, 3, false, false, false},
};
inline const ClientSpot& INSIDE = SPOTS[0];
inline const ClientSpot& OUTSIDE = SPOTS[2];

class LinkLabel : public testing::Test {
protected:
    void SetUp() override
    {
        g_notices.clear();
        g_reflect = false;
        g_recorder = Recorder();
        dlg = MakeDialog();
        ASSERT_NE(nullptr, dlg);
        link = GetDlgItem(dlg, IDC_LINK);
        ASSERT_NE(nullptr, link);
    }
    void TearDown() override
    {
        ReleaseCapture();
        if (dlg != nullptr) {
            DestroyWindow(dlg);
        }
    }
    void Attach()
    {
        ASSERT_TRUE(LinkLabelAttach(link));
    }
    void CursorOn(const ClientSpot& spot)
    {
        ASSERT_TRUE(PutCursorOn(link, spot)) << spot.name;
    }
    LRESULT Notify(UINT code, HWND from, UINT_PTR id)
    {
        NMHDR header = {from, id, code};
        return SendMessageA(link, WM_NOTIFY, id, (LPARAM)&header);
    }
    void ExpectNotice(const Notice& n, UINT code, WPARAM wParam, LPARAM lParam)
    {
        EXPECT_EQ(code, n.code);
        EXPECT_EQ(link, n.from);
        EXPECT_EQ((UINT_PTR)IDC_LINK, n.id);
        EXPECT_EQ((WPARAM)IDC_LINK, n.messageWParam);
        EXPECT_EQ(wParam, n.wParam);
        EXPECT_EQ(lParam, n.lParam);
    }
    size_t Count(UINT code)
    {
        size_t n = 0;
        for (const Notice& notice : g_notices) {
            n += notice.code == code;
        }
        return n;
    }
    HWND dlg = nullptr;
    HWND link = nullptr;
};

}  // namespace link_label_test
