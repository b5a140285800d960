#pragma once
// The system's colours as they reach the program: whether the user asked for high
// contrast, and whether the system's own style draws a dark palette.

namespace velmoor {

// True when Windows' High Contrast is on: Windows then asks every program to draw with the
// system's colours. Always false elsewhere: Qt 6.4 tells nothing of the kind on Linux,
// where the desktop's palette reaches the program's system controls by itself.
bool highContrastRequested();

// Whether the style Qt takes from the system draws the system's colours when they are dark
// (light text on a dark window). Windows' own style (Qt 6.4's "windowsvista") draws its
// controls light whatever the palette; the desktops' styles on Linux follow it.
bool nativeStyleDrawsDarkColours();

} // namespace velmoor
