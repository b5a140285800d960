#include "app/promo_draws.h"

#include "platform/numbers.h"

namespace velmoor {

qint16 coBrandDraw(float r)
{
    return static_cast<qint16>(roundHalfToEven(static_cast<double>(r) * 6.0 + 1.0));
}

std::optional<promo::Offer> offerInFront(qint16 draw)
{
    if (draw < 1 || draw > 6)
        return std::nullopt;
    // The offers in turn: 1, 3, 5 the first, 2, 4, 6 the second (with more offers, each in turn).
    const auto &offers = promo::offers();
    return offers[std::size_t(draw - 1) % offers.size()].offer;
}

int appealIndex(float r)
{
    return static_cast<int>(static_cast<double>(r) * 4.0);
}

} // namespace velmoor
