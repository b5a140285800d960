// The referral address from any five fields (UTF-16, cut at zero units: name, e-mail,
// message, friend's name, friend's e-mail). Whatever they hold, the form is refused with a
// box or sent once; a sent address is a valid URL of at most the limit, each value encoded
// so that nothing in it ends the address or starts another parameter, and its query gives
// back exactly the six values the form held, in order.

#include "fuzz.h"
#include "platform/fakes.h"
#include "referral/mod_tell_a_friend.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

using namespace velmoor;
using velmoor::fuzz::expect;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList fields = fuzz::textParts(data, size, 5);
    testing::FakeBoxes boxes;
    testing::FakeOpener opener;
    const ModHelp help(opener);
    ModTellAFriend referral(help, boxes);
    referral.cmdSubmit_Click({fields[0], fields[1], fields[2], fields[3], fields[4]});

    const auto details = [&] { return fields.join(u'|') + u'\n' + opener.opened.value(0); };
    expect(boxes.shown.size() + opener.opened.size() == 1, "refused or sent, once", details);
    if (opener.opened.isEmpty())
        return 0;
    const QString address = opener.opened[0];
    expect(address.size() <= kMaxReferralAddress, "no longer than the limit", details);
    expect(QUrl(address, QUrl::StrictMode).isValid(), "a valid address", details);
    const QString base = QString::fromLatin1(pages::kReferral);
    static const QRegularExpression shape(
        QStringLiteral("^(?:&taf[1-6]=(?:[A-Za-z0-9._~-]|%[0-9A-F]{2})*){6}$"));
    expect(address.startsWith(base) && shape.match(QStringView(address).mid(base.size())).hasMatch(),
           "the page, then six parameters of unreserved characters and %XX only", details);

    const QStringList held{referral.strName,        referral.strEmail,
                           referral.strMessage,     referral.strFriendName,
                           referral.strFriendEmail, QString::fromLatin1(pages::kProductPage)};
    const QStringList parameters = address.mid(base.size() + 1).split(u'&');
    for (qsizetype i = 0; i < held.size(); ++i) {
        const QString name = QStringLiteral("taf%1=").arg(i + 1);
        expect(parameters[i].startsWith(name), "the parameters in order", details);
        // Decoded as the site would, a leading byte order mark kept as the character it is.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
        const QString value =
            utf8(QByteArray::fromPercentEncoding(parameters[i].mid(name.size()).toLatin1()));
        expect(value == held[i], "each value given back exactly",
               [&] { return details() + u'\n' + held[i]; });
    }
    return 0;
}
