#include "app/promo.h"

#include "site/mod_help.h"

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

QString appealText(int index)
{
    switch (index) {
    case 0:
        return QStringLiteral("Programs like this one can only be made and kept up with your "
                              "support. The best way to support us is to visit our forum at ")
               + forumAddress()
               + QStringLiteral(" regularly, and take part in the discussions and other activities "
                                "on the board.");
    case 1:
        return QStringLiteral("Please visit our forum at ") + forumAddress()
               + QStringLiteral(" regularly, and support it by taking part in the discussions and "
                                "other activities. These programs cannot be supported and kept up "
                                "unless you visit it regularly.");
    case 2:
        return forumAddress()
               + QStringLiteral(" is a free online discussion forum about divination and fate. To "
                                "help us develop and maintain this software, please visit it "
                                "regularly.");
    default:
        return QStringLiteral("Your forum at ") + forumAddress()
               + QStringLiteral(" needs your help: please visit it regularly and take part in its "
                                "discussions and activities, so that we can maintain and develop "
                                "more programs like this one.");
    }
}

int appealIndex(float r)
{
    return static_cast<int>(static_cast<double>(r) * 4.0);
}

QString familyText()
{
    return QStringLiteral("If you enjoyed this program, you will surely like our other programs of the "
                          "same family as well. The family covers astrology, psychic, tarot, numerology and "
                          "occult subjects, with a program for every curious mind and for every question "
                          "that life may bring along the way, from love and work to health, money, luck "
                          "and fortune.")
           + QString(61, u' ')
           + QStringLiteral("All programs of the family are simple, fun and informative, and each of "
                            "them is as easy to use as this one. Try them all today, and share the "
                            "experience with your friends and family: they will thank you for it, "
                            "and so will we all.");
}

} // namespace velmoor
