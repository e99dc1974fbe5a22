// The About box's link as the screen shows it under the real mouse.
#include <gtest/gtest.h>

#include "support/screen.h"

namespace {

// Lit (red) while the cursor is over it, blue again once it has left.
TEST(LinkLabelScreen, LightsUnderTheCursorAndDimsWhenItLeaves)
{
    const COLORREF hot = RGB(255, 0, 0), normal = RGB(0, 0, 255);
    Mouse({5, 5});  // the box opens centred on the cursor: keep it off the link
    Program nobo(NoboLine(""));
    HWND box = OpenAboutBox(nobo);
    ASSERT_NE(nullptr, box);
    HWND link = GetDlgItem(box, ABOUT_LINK);
    // The cursor held at a point, moving a pixel back and forth as a hand
    // does, until only one of the two colours shows.
    auto shows = [&](POINT at, COLORREF only, COLORREF other) {
        LONG wobble = 0;
        return WaitFor([&] {
            Mouse({at.x + (wobble ^= 1), at.y});
            return CountColour(link, only) > 0 && CountColour(link, other) == 0;
        });
    };
    ASSERT_TRUE(shows(OnScreen(box, 2, 2), normal, hot)) << "never painted";
    EXPECT_TRUE(shows(OnScreen(link, 2, 2), hot, normal)) << "not lit under the cursor";
    EXPECT_TRUE(shows(OnScreen(box, 2, 2), normal, hot)) << "still lit once the cursor left";
}

}  // namespace
