// The About box's link as the screen shows it under the real mouse.
#include <gtest/gtest.h>

#include "support/screen.h"

namespace {

// Lit (red) while the cursor is over it, blue again once it has left.
TEST(LinkLabelScreen, LightsUnderTheCursorAndDimsWhenItLeaves)
{
    const COLORREF hot = RGB(255, 0, 0), normal = RGB(0, 0, 255);
    MouseTo({5, 5});  // the box opens centred on the cursor: keep it off the link
    Program nobo(NoboLine(""));
    HWND box = OpenAboutBox(nobo);
    ASSERT_NE(nullptr, box);
    HWND link = GetDlgItem(box, ABOUT_LINK);
    MouseTo(OnScreen(box, 2, 2));
    ASSERT_TRUE(WaitFor([&] { return CountColour(link, normal) > 0; })) << "never painted";
    EXPECT_EQ(0u, CountColour(link, hot));
    MouseTo(OnScreen(link, 2, 2));
    EXPECT_TRUE(
        WaitFor([&] { return CountColour(link, hot) > 0 && CountColour(link, normal) == 0; }));
    MouseTo(OnScreen(box, 2, 2));
    EXPECT_TRUE(
        WaitFor([&] { return CountColour(link, normal) > 0 && CountColour(link, hot) == 0; }));
}

}  // namespace
