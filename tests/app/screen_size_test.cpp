#include "app/screen_size.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

struct StartupCase {
    int windowSize;
    int screenWidth;
    int screenHeight;
    int expectedSize;
    double expectedScale;
};

TEST(ScreenSize, StartupSizeNeedsAScreenAtLeastAsLargeInBothDirections)
{
    const StartupCase cases[] = {
        {640, 320, 200, 640, 1.0},   // 640 is always allowed
        {800, 800, 600, 800, 1.25},  // exactly large enough
        {800, 799, 600, 640, 1.0},
        {800, 1920, 599, 640, 1.0},  // wide enough but too low
        {1024, 1024, 768, 1024, 1.6},
        {1024, 1023, 1000, 640, 1.0},
        {1280, 1280, 1024, 1280, 2.0},
        {1280, 1280, 1023, 640, 1.0},
        {1280, 1024, 768, 640, 1.0},  // the setting keeps its value; the windows show at
                                      // 640
        {700, 1920, 1080, 640, 1.0},  // a value outside the table counts as 640
        {-5, 1920, 1080, 640, 1.0},
    };
    for (const StartupCase& c : cases) {
        const ScreenSize& size = startupScreenSize(c.windowSize, c.screenWidth, c.screenHeight);
        EXPECT_EQ(size.windowSize, c.expectedSize) << c.windowSize << " on " << c.screenWidth << "x" << c.screenHeight;
        EXPECT_DOUBLE_EQ(size.scale, c.expectedScale);
    }
}

TEST(ScreenSize, ScaleIsRoundedToTwoDecimals)
{
    EXPECT_DOUBLE_EQ(roundedScale(1.25), 1.25);
    EXPECT_DOUBLE_EQ(roundedScale(1.6), 1.6);
    EXPECT_DOUBLE_EQ(roundedScale(1.234), 1.23);
    EXPECT_DOUBLE_EQ(roundedScale(1.235001), 1.24);
    EXPECT_DOUBLE_EQ(roundedScale(2.0), 2.0);
}

TEST(ScreenSize, RefusalNamesTheSize)
{
    EXPECT_EQ(resolutionRefusal(screenSizeFor(800)),
              "Your current screen resolution does not support 800 x 600 pixels.");
    EXPECT_EQ(resolutionRefusal(screenSizeFor(1280)),
              "Your current screen resolution does not support 1280 x 1024 pixels.");
}

}  // namespace
}  // namespace qm
