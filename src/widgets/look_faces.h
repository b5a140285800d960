#pragma once
// The look's faces, as the look's own parts share them (look_faces.cpp, look_colours.cpp).

#include <QString>

#include <array>

namespace velmoor {

// The faces the windows were designed with.
inline constexpr std::array<const char *, 2> kDesignFaces{"Verdana", "MS Sans Serif"};

// The face the windows ask for by name in place of a design face: itself where it is
// installed, otherwise its stand-in. Asked for through a substitution instead, every text
// drawn in a script the face lacks (Japanese, say) would make Qt look for fallback faces
// twice, once for each name, which shows in the time the first window takes to appear.
QString installedFace(const QString &designed);

} // namespace velmoor
