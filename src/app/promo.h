#pragma once
// Which of the two overlapping offers the question window shows, drawn once per run.

#include <QtGlobal>

namespace velmoor {

enum class PromoFront { Cobrand, FullBrand, AsDesigned };

// r * 6 + 1 to the nearest whole number, halves to the even one: 1 to 7.
qint16 coBrandDraw(float r);
// 1, 3, 5: the co-brand offer; 2, 4, 6: the fully-branded offer; 7: left as designed
// (which is the co-brand offer in front).
PromoFront promoFront(qint16 draw);

} // namespace velmoor
