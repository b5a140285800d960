#include "site/promo_texts.h"

#include <QCoreApplication>

namespace velmoor::promo {

const std::array<OfferLink, 2> &offers()
{
    static const std::array<OfferLink, 2> all{{
        {Offer::CoBrand, "lblCobrand",
         QT_TRANSLATE_NOOP("Promo", "Co-brand this software for your site.  Increase loyalty and traffic to "
                                    "your site. Put your site's name &&  link here. See \"Help\" for "
                                    "details.    Click Here for more info on co-branding."),
         &ModHelp::OpenCoBrandPage},
        {Offer::FullBrand, "lblFullBrand",
         QT_TRANSLATE_NOOP("Promo", "Home Business Opportunity. Start your own Internet business and make "
                                    "money online. Get this software fully branded for your website. Click "
                                    "here for more details."),
         &ModHelp::OpenFullyBrandedPage},
    }};
    return all;
}

QString caption(const OfferLink &offer)
{
    return QCoreApplication::translate("Promo", offer.caption);
}

QString forumStrip()
{
    return QCoreApplication::translate(
               "Promo", "The most popular divination forum online, best resource for all divination. "
                        "Visit it now: %1")
        .arg(forumAddress());
}

QString appealText(int index)
{
    // Each appeal, %1 standing for the forum's address.
    static const std::array<const char *, kAppealCount> appeals{{
        QT_TRANSLATE_NOOP("Promo",
                          "Programs like this one can only be made and kept up with your support. The "
                          "best way to support us is to visit our forum at %1 regularly, and take part "
                          "in the discussions and other activities on the board."),
        QT_TRANSLATE_NOOP("Promo",
                          "Please visit our forum at %1 regularly, and support it by taking part in the "
                          "discussions and other activities. These programs cannot be supported and "
                          "kept up unless you visit it regularly."),
        QT_TRANSLATE_NOOP("Promo",
                          "%1 is a free online discussion forum about divination and fate. To help us "
                          "develop and maintain this software, please visit it regularly."),
        QT_TRANSLATE_NOOP("Promo",
                          "Your forum at %1 needs your help: please visit it regularly and take part "
                          "in its discussions and activities, so that we can maintain and develop "
                          "more programs like this one."),
    }};
    const std::size_t chosen = index >= 0 && index < kAppealCount ? std::size_t(index) : kAppealCount - 1;
    return QCoreApplication::translate("Promo", appeals.at(chosen)).arg(forumAddress());
}

QString familyText(Qt::LayoutDirection direction)
{
    return QCoreApplication::translate(
               "Promo",
               "If you enjoyed this program, you will surely like our other programs of the same family "
               "as well. The family covers astrology, psychic, tarot, numerology and occult subjects, "
               "with a program for every curious mind and for every question that life may bring along "
               "the way, from love and work to health, money, luck and fortune.")
           + (direction == Qt::RightToLeft ? QStringLiteral("\n") : QString(61, u' '))
           + QCoreApplication::translate(
               "Promo", "All programs of the family are simple, fun and informative, and each of them is as "
                        "easy to use as this one. Try them all today, and share the experience with your "
                        "friends and family: they will thank you for it, and so will we all.");
}

} // namespace velmoor::promo
