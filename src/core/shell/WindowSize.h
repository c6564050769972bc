#pragma once
// The main window's size rule, in twips (1440 to the inch).  On a screen of at
// most 12000 x 9000 twips (an 800 x 600 screen at 96 dpi) the window opens
// maximised (the program's small-screen mode); on anything larger it opens as a normal
// window of 12260 x 9160 twips.

namespace moxlet {

inline constexpr int kTwipsPerInch = 1440;

struct WindowSize {
    bool maximised = false;  // also whether the screen counts as small
    int widthTwips = 0;      // for a normal window
    int heightTwips = 0;
};

constexpr WindowSize mainWindowSize(int screenWidthTwips, int screenHeightTwips)
{
    if (screenWidthTwips <= 12000 && screenHeightTwips <= 9000) return {true, 0, 0};
    return {false, 12260, 9160};
}

constexpr int twipsFromPixels(int pixels, double dotsPerInch)
{
    return static_cast<int>(pixels * kTwipsPerInch / dotsPerInch + 0.5);
}
constexpr int pixelsFromTwips(int twips, double dotsPerInch)
{
    return static_cast<int>(twips * dotsPerInch / kTwipsPerInch + 0.5);
}

}  // namespace moxlet
