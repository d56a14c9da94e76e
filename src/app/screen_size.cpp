#include "app/screen_size.h"

#include <cmath>

namespace qm {

const ScreenSize& screenSizeFor(int windowSize)
{
    for (const ScreenSize& size : kScreenSizes)
        if (size.windowSize == windowSize) return size;
    return kScreenSizes.front();
}

bool screenAllows(const ScreenSize& size, int screenWidth, int screenHeight)
{
    return screenWidth >= size.minScreenWidth && screenHeight >= size.minScreenHeight;
}

const ScreenSize& startupScreenSize(int windowSize, int screenWidth, int screenHeight)
{
    const ScreenSize& wanted = screenSizeFor(windowSize);
    return screenAllows(wanted, screenWidth, screenHeight) ? wanted : kScreenSizes.front();
}

double roundedScale(double scale) { return std::round(scale * 100.0) / 100.0; }

std::string resolutionRefusal(const ScreenSize& size)
{
    return std::string("Your current screen resolution does not support ") + size.caption + " pixels.";
}

}  // namespace qm
