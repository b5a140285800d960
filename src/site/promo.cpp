#include "site/promo.h"

namespace velmoor::promo {

const std::array<OfferLink, 2> &offers()
{
    static const std::array<OfferLink, 2> all{{
        {Offer::CoBrand, "lblCobrand",
         QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to your site. "
                        "Put your site's name &&  link here. See \"Help\" for details.    "
                        "Click Here for more info on co-branding."),
         &ModHelp::OpenCoBrandPage},
        {Offer::FullBrand, "lblFullBrand",
         QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                        "Get this software fully branded for your website. Click here for more details."),
         &ModHelp::OpenFullyBrandedPage},
    }};
    return all;
}

QString forumStrip()
{
    return QStringLiteral("The most popular divination forum online, best resource for all "
                          "divination. Visit it now: ")
           + forumAddress();
}

QString appealText(int index)
{
    // Each appeal: its words before the forum's address, and after it.
    static const std::array<std::array<const char *, 2>, kAppealCount> appeals{{
        {"Programs like this one can only be made and kept up with your support. The best way to support us "
         "is to visit our forum at ",
         " regularly, and take part in the discussions and other activities on the board."},
        {"Please visit our forum at ",
         " regularly, and support it by taking part in the discussions and other activities. These programs "
         "cannot be supported and kept up unless you visit it regularly."},
        {"",
         " is a free online discussion forum about divination and fate. To help us develop and maintain this "
         "software, please visit it regularly."},
        {"Your forum at ",
         " needs your help: please visit it regularly and take part in its discussions and activities, so "
         "that we can maintain and develop more programs like this one."},
    }};
    const auto &[before, after] =
        appeals.at(index >= 0 && index < kAppealCount ? std::size_t(index) : std::size_t(kAppealCount - 1));
    return QString::fromLatin1(before) + forumAddress() + QString::fromLatin1(after);
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

} // namespace velmoor::promo
