#pragma once
// The draws that pick which offer the question window shows (one per run) and which appeal
// the exit screen shows; the offers and texts themselves are site/promo_texts.h's.

#include "site/promo_texts.h"

#include <optional>

namespace velmoor {

// r * 6 + 1 to the nearest whole number, halves to the even one: 1 to 7.
qint16 coBrandDraw(float r);
// 1 to 6 name the offers in turn (1, 3, 5: the co-brand offer; 2, 4, 6: the fully-branded
// offer); 7: none, the window left as designed (which is the co-brand offer in front).
std::optional<promo::Offer> offerInFront(qint16 draw);

// The integer part of 4r: which of the exit screen's appeals it shows.
int appealIndex(float r);

} // namespace velmoor
