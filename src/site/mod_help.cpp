#include "site/mod_help.h"

namespace velmoor::promo {

QString forumStrip()
{
    return QStringLiteral("The most popular divination forum online, best resource for all "
                          "divination. Visit it now: ")
           + forumAddress();
}

} // namespace velmoor::promo
