#pragma once
// Every promotional text of the program, and the offers: the labels, one per offer, that
// take turns in the bottom strip of both main windows, each with its caption and page.
// Which offer is in front is drawn at start-up (app/promo_draws.h).

#include "site/mod_help.h"

#include <QString>

#include <array>

namespace velmoor::promo {

enum class Offer { CoBrand, FullBrand };

struct OfferLink {
    Offer offer;
    const char *label;   // the object name of its label, the same in both main windows
    const char *caption; // in English; a doubled ampersand stands for one
    void (ModHelp::*open)() const;
};

// Every offer, in the order of the enum.
const std::array<OfferLink, 2> &offers();
// An offer's caption in the language the program speaks.
QString caption(const OfferLink &offer);

// The forum strip at the top of both main windows.
QString forumStrip();

// The exit screen's appeals, one of which it shows (0 to 3), and its paragraph on the
// publisher's other programs: two halves a run of spaces apart, which puts the second on
// lines of its own. Laid out right to left, the run would stand at the start of a line and
// push a line of the first half out of the label: there a line break parts them.
inline constexpr int kAppealCount = 4;
QString appealText(int index);
QString familyText(Qt::LayoutDirection direction = Qt::LeftToRight);

} // namespace velmoor::promo
