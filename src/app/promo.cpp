#include "app/promo.h"

#include "platform/numbers.h"

namespace velmoor {

qint16 coBrandDraw(float r)
{
    return static_cast<qint16>(roundHalfToEven(static_cast<double>(r) * 6.0 + 1.0));
}

std::optional<promo::Offer> offerInFront(qint16 draw)
{
    if (draw == 7)
        return std::nullopt;
    return draw % 2 == 1 ? promo::Offer::CoBrand : promo::Offer::FullBrand;
}

int appealIndex(float r)
{
    return static_cast<int>(static_cast<double>(r) * 4.0);
}

} // namespace velmoor
