#pragma once
// src/widgets: the program's look and its own controls, which every window shares; above
// src/platform, whose services they may use, and below the windows (answer, site, referral,
// app), which use them. Nothing here knows about a window of the program.
//
// The program's look: its colours and faces, named once, the shape every window takes (a
// fixed client area, centred with its frame on the screen), and the style Qt draws in. Each
// concern has its file: look_colours.cpp, look_faces.cpp, look_shape.cpp, look_style.cpp,
// look_pixels.cpp.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QSize>
#include <QString>

#include <array>
#include <optional>

class QPainter;
class QWidget;

namespace velmoor {

// The program's colours, each named once.
namespace look {
inline const QColor kViolet{90, 35, 220};         // the main windows' panels, the about window
inline const QColor kNavy{0, 0, 64};              // the strips of links and texts
inline const QColor kNavyEdge{0, 0, 49};          // the question field's frame
inline const QColor kCream{255, 255, 192};        // texts on navy and violet
inline const QColor kCyan{0, 255, 255};           // links
inline const QColor kYellow{255, 255, 0};         // the question's link, the dots
inline const QColor kSilver{192, 192, 192};       // the graphical buttons' face...
inline const QColor kSilverEdge{224, 224, 224};   // ...their raised edge...
inline const QColor kShadow{128, 128, 128};       // ...the shadow of one held down...
inline const QColor kDisabledText{190, 190, 190}; // ...and the caption of one disabled
inline const QColor kWhite{255, 255, 255};
inline const QColor kBlack{0, 0, 0};
inline const QColor kPaleCyan{128, 255, 255}; // the answer, the about window's caption
inline const QColor kBlue{0, 0, 192};         // the exit screen's forum box
inline const QColor kMidnight{0, 0, 128};     // the exit screen's frames

// Every colour above by the name the windows' style sheets ("$pale-cyan") and the tests
// (look_states colours) give it.
struct NamedColour {
    const char *name;
    const QColor &colour;
};
inline const std::array<NamedColour, 15> kNamedColours{{{"violet", kViolet},
                                                        {"navy", kNavy},
                                                        {"navy-edge", kNavyEdge},
                                                        {"cream", kCream},
                                                        {"cyan", kCyan},
                                                        {"yellow", kYellow},
                                                        {"silver", kSilver},
                                                        {"silver-edge", kSilverEdge},
                                                        {"shadow", kShadow},
                                                        {"disabled-text", kDisabledText},
                                                        {"white", kWhite},
                                                        {"black", kBlack},
                                                        {"pale-cyan", kPaleCyan},
                                                        {"blue", kBlue},
                                                        {"midnight", kMidnight}}};

// With the system's colours rather than the design's: every window then draws with the
// palette Qt takes from the system (Windows asks this of programs under High Contrast), and
// each design colour gives way to the palette's colour for what it colours. Only the answer's
// white and black squares, which are the answer, keep theirs. Chosen once, before any window.
void useSystemColours(bool system);
bool usingSystemColours();

// Under dark system colours, disabled text dimmed but readable, at least 3:1 against what it
// stands on, as the desktop's own dimmed text is: Windows' dark colours gave Qt a disabled
// text colour barely apart from the menu bar's. Light palettes and readable ones are kept.
void keepDisabledTextReadable();

// The style Qt's controls are drawn in, chosen once the language is, before any window.
// On Windows under a dark colour scheme, Fusion, from the system's palette: Qt 6.4's Windows
// style draws them from the light visual theme whatever the system's colours, with the
// system's light text on them (the menu bar, fields and buttons then unreadable); not when
// the user chose a style. In a right-to-left language, access keys not underlined: Qt draws
// the underline by cutting the word at its letter, which breaks the joining of Arabic
// letters ("م|لف"); Alt and the letter still work, as on Windows and GNOME, which show no
// underlines by default. And right to left, the message boxes' buttons without icons: Qt 6.4
// mirrors an icon and caption so that the caption stands against the button's edge.
void chooseStyle();

// A colour as style sheets write it. Given the role it plays, under the system's colours
// the palette's colour for that role instead.
QString css(const QColor &colour, std::optional<QPalette::ColorRole> role = {});
} // namespace look

// A window's style sheet comes from its .ui as the property "sheet" and names its colours
// ("$violet", "$pale-cyan": look::kNamedColours). This puts
// the colours in and sets the result as the window's style sheet: Qt parses it once, and
// never sees a name it could not read. Under the system's colours a background takes the
// palette's window colour, and everything else its window text. A design face ("Verdana")
// becomes the installed face asked for in its place, as in formFont().
void resolveSheetColours(QWidget &window);

// Maps the faces the windows were designed with onto installed, metric-close ones.
void installFontSubstitutes();

// The windows' default face: Verdana 8.25 pt.
QFont formFont();

// Bold Verdana at this size, underlined for a link.
QFont boldFormFont(qreal points, bool underline = false);

// Colours a widget directly rather than through a style sheet (a sheet makes every widget
// under it slower to build): its text, and, if given, a background it fills itself.
void setColours(QWidget &widget, const QColor &text, const std::optional<QColor> &background = {});
void setBackground(QWidget &widget, const QColor &background);
// The same for the answer's squares, whose colour is the answer under any palette.
void setSquareColour(QWidget &widget, const QColor &colour);

// Makes the window fixed-size with this client area (below any menu bar) and centres the
// whole window, its frame included, on the screen. In a right-to-left language the window's
// controls are mirrored when it first shows.
void fixClientSize(QWidget &window, QSize client);

// Sets the painter to draw in whole device pixels from the device pixel nearest the widget's
// corner, and returns the widget's size there in the whole pixels it has. At 125 or 150 % Qt puts a widget's
// corner between two device pixels, so that the same drawing comes out a pixel wider in one
// place than in another; drawn so, it comes out whole and the same everywhere. At whole
// scales it changes nothing but the unit.
QRect paintOnDevicePixels(QPainter &painter, const QWidget &widget);

} // namespace velmoor
