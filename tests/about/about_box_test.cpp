// The About box of the real nobo.exe, opened from its setup dialog and used
// from outside as a person would.
#include <gtest/gtest.h>

#include <memory>

#include "support/files.h"
#include "support/registry.h"
#include "support/screen.h"

namespace {

// Only the system folder's copy of the optional library counts: one beside
// nobo.exe is what a load by bare name would find first.
TEST(AboutBox, ShowsItsTextsInFullAndTheSystemLibrarysOnly)
{
    char system[MAX_PATH] = "";
    GetSystemDirectoryA(system, MAX_PATH);
    const struct {
        std::string folder;
        const char* freeLine;
    } rows[] = {{system, "システムリソース： 85 ％使用可能"}, {BesideTest("."), ""}};
    for (const auto& row : rows) {
        const std::string stub = row.folder + "\\rsrc32.dll";
        ASSERT_TRUE(CopyFileA(BesideTest("stub\\rsrc32.dll").c_str(), stub.c_str(), FALSE));
        std::shared_ptr<void> removed(nullptr, [&](void*) { DeleteFileA(stub.c_str()); });
        Program nobo(NoboLine(""));
        HWND box = OpenAboutBox(nobo);
        ASSERT_NE(nullptr, box);
        EXPECT_EQ("nobo ver. 0.01", ItemText(box, ABOUT_PRODUCT));
        EXPECT_EQ(row.freeLine, ItemText(box, ABOUT_RESOURCES)) << stub;
        RECT client = {}, r = {};
        GetClientRect(box, &client);
        for (int id : {ABOUT_PRODUCT, ABOUT_LINK, ABOUT_RESOURCES}) {
            GetWindowRect(GetDlgItem(box, id), &r);  // grown to its text, and the box with it
            EXPECT_LE(r.right, OnScreen(box, client.right, 0).x) << id;
        }
    }
}

TEST(AboutBox, ClosesOnEnterEscOrAClickOnItsLink)
{
    // The shell's "open" of http addresses points at a recorder for the test.
    Scratch folder("open");
    const std::string opened = folder / "opened", key = "http\\shell\\open\\command";
    RegSaved saved({key});
    const std::string recorder = "cmd /c echo %1>>" + Quoted(opened);
    ASSERT_TRUE(RegPut(key, REG_SZ, std::string(recorder.c_str(), recorder.size() + 1)));
    const struct {
        const char* name;
        WPARAM key;  // else a press on the link, released at (x, y) in it
        int x, y;
        bool closes, opens;
    } rows[] = {
        {"Enter", VK_RETURN, 0, 0, true, false},
        {"Esc", VK_ESCAPE, 0, 0, true, false},
        {"click", 0, 2, 2, true, true},
        {"release outside", 0, -4, -4, false, false},
    };
    for (const auto& row : rows) {
        DeleteFileA(opened.c_str());
        Program nobo(NoboLine(""));
        HWND box = OpenAboutBox(nobo);
        ASSERT_NE(nullptr, box);
        HWND link = GetDlgItem(box, ABOUT_LINK);
        const std::string url = Text(link);
        if (row.key) {
            PostMessageW(box, WM_KEYDOWN, row.key, 0);
        } else {
            Mouse(OnScreen(link, 2, 2), MOUSEEVENTF_LEFTDOWN);
            Mouse(OnScreen(link, row.x, row.y), MOUSEEVENTF_LEFTUP);
        }
        EXPECT_EQ(row.closes, WaitFor([&] { return !IsWindow(box); }, 3000)) << row.name;
        const std::string expected = row.opens ? url + "\r\n" : "<missing>";
        WaitFor([&] { return ReadBytes(opened) == expected; }, 3000);
        EXPECT_EQ(expected, ReadBytes(opened)) << row.name;
    }
}

}  // namespace
