#pragma once
// Which of the two overlapping offers the question window shows, drawn once per run, and
// the texts of the exit screen.

#include <QString>

namespace velmoor {

enum class PromoFront { Cobrand, FullBrand, AsDesigned };

// r * 6 + 1 to the nearest whole number, halves to the even one: 1 to 7.
qint16 coBrandDraw(float r);
// 1, 3, 5: the co-brand offer; 2, 4, 6: the fully-branded offer; 7: left as designed
// (which is the co-brand offer in front).
PromoFront promoFront(qint16 draw);

// The exit screen's appeals, one of which is drawn when it loads, and its paragraph on
// the publisher's other programs.
QString appealText(int index); // 0 to 3
int appealIndex(float r);      // the integer part of 4r
QString familyText();

} // namespace velmoor
