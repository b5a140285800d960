#pragma once
// Whether the user has asked the system for high contrast.

namespace velmoor {

// True when Windows' High Contrast is on: Windows then asks every program to draw with the
// system's colours. Always false elsewhere: Qt 6.4 tells nothing of the kind on Linux,
// where the desktop's palette reaches the program's system controls by itself.
bool highContrastRequested();

} // namespace velmoor
