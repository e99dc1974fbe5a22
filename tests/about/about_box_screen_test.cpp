// The About box as the screen shows it. The picture is kept: scripts/screenshots
// points NOBO_SHOT_DIR at a folder and turns it into docs/about.png.
#include <gtest/gtest.h>
#include <windows.h>

#include "about/about_run.h"
#include "about/about_template.h"
#include "support/registry.h"
#include "support/screen.h"

namespace {

bool g_saved;
int g_blue;

void Shoot(HWND box)
{
    PumpMessages(500);
    g_saved = SaveWindowBitmap(box, ShotPath("about.bmp"));
    RECT link;
    GetWindowRect(GetDlgItem(box, IDC_ABOUT_LINK), &link);
    for (int y = link.top; y < link.bottom; ++y) {
        for (int x = link.left; x < link.right; ++x) g_blue += ScreenPixel(x, y) == RGB(0, 0, 255);
    }
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(AboutBoxScreen, ShowsTheBlueLinkAndIsSaved)
{
    // Windows maps ".exe" to exefile, whose icon is the program's own; a
    // fresh Wine prefix lacks the mapping and shows a generic file icon.
    RegKeyBackup exeClass(".exe");
    RegTestSetString(".exe", nullptr, "exefile");
    SetCursorPos(0, 0);  // the box comes up in the corner, the cursor off its link
    const AboutBoxParams site = {NOBO_SUPPORT_URL};
    EXPECT_EQ(IDOK, RunAboutWith(Shoot, &site));
    EXPECT_TRUE(g_saved);
    EXPECT_GT(g_blue, 0);
}

}  // namespace
