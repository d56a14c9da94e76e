// The four screen sizes the windows are laid out for, with the scale each one gives.
#pragma once

#include <array>
#include <string>

namespace qm {

struct ScreenSize {
    int windowSize;       // the value of the Window Size setting
    const char* caption;  // "800 x 600"
    double scale;         // factor applied to every window's design geometry
    int minScreenWidth;   // the screen must be at least this large to allow the size
    int minScreenHeight;
};

inline constexpr std::array<ScreenSize, 4> kScreenSizes{{
    {640, "640 x 480", 1.0, 0, 0},
    {800, "800 x 600", 1.25, 800, 600},
    {1024, "1024 x 768", 1.6, 1024, 768},
    {1280, "1280 x 1024", 2.0, 1280, 1024},
}};

// The entry of a Window Size value; any value outside the table counts as 640.
const ScreenSize& screenSizeFor(int windowSize);

bool screenAllows(const ScreenSize& size, int screenWidth, int screenHeight);

// The size the windows show at start-up: the setting's when the screen allows it, else 640.
const ScreenSize& startupScreenSize(int windowSize, int screenWidth, int screenHeight);

// Windows scale by the factor rounded to two decimals.
double roundedScale(double scale);

// "Your current screen resolution does not support 800 x 600 pixels."
std::string resolutionRefusal(const ScreenSize& size);

}  // namespace qm
