#include "app/promo.h"

#include <cmath>

namespace velmoor {

qint16 coBrandDraw(float r)
{
    const double n = static_cast<double>(r) * 6.0 + 1.0;
    // Not std::lround: it rounds halves away from zero. Bankers' rounding, explicitly.
    const double down = std::floor(n);
    const double fraction = n - down;
    double rounded = down;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) != 0.0))
        rounded = down + 1.0;
    return static_cast<qint16>(rounded);
}

PromoFront promoFront(qint16 draw)
{
    if (draw == 7)
        return PromoFront::AsDesigned;
    return draw % 2 == 1 ? PromoFront::Cobrand : PromoFront::FullBrand;
}

} // namespace velmoor
