#include "referral/mod_tell_a_friend.h"

#include <QCoreApplication>

#include <utility>

namespace velmoor {

namespace prompts {
QString name()
{
    return QCoreApplication::translate("Referral", "Your Name");
}
QString email()
{
    return QCoreApplication::translate("Referral", "Your Email Address");
}
QString friendName()
{
    return QCoreApplication::translate("Referral", "Friend's Name");
}
QString friendEmail()
{
    return QCoreApplication::translate("Referral", "Friend's Email Address");
}
// The message field's prompt as written: what the site receives of a message left as it
// was, in every language.
constexpr const char *kMessage = QT_TRANSLATE_NOOP("Referral", "Your Message");
QString message()
{
    return QCoreApplication::translate("Referral", kMessage);
}
QString messageInitial()
{
    return message() + QStringLiteral("\r\n");
}
} // namespace prompts

QString noSpaceInEmail()
{
    return QCoreApplication::translate("Referral", "Email Address Cannot Contain Space");
}

namespace {
// Half of a character (a surrogate without its pair, as a paste may bring) becomes the
// replacement character: the address carries the text in UTF-8, which has no halves, and
// the site must receive exactly what the form held.
QString withoutHalfCharacters(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (text.at(i).isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}
} // namespace

QString trimSpaces(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

std::optional<QString> contentOnEntry(const QString &content, const QString &prompt)
{
    if (trimSpaces(content) == prompt)
        return QString();
    return std::nullopt;
}

std::optional<QString> contentOnLeave(const QString &content, const QString &prompt)
{
    if (trimSpaces(content).isEmpty())
        return prompt;
    return std::nullopt;
}

QString encodeQueryValue(const QString &value)
{
    // QByteArray::toPercentEncoding keeps exactly the RFC 3986 unreserved set.
    return QString::fromLatin1(value.toUtf8().toPercentEncoding());
}

QString referralTooLong(qsizetype length)
{
    return QCoreApplication::translate("Referral",
                                       "This referral is too long to send: please shorten the message or the "
                                       "names. A web address handed to the browser may hold at most %L1 "
                                       "characters, and this one would need %L2.")
        .arg(kMaxReferralAddress)
        .arg(length);
}

void ModTellAFriend::cmdSubmit_Click(const ReferralFields &fields)
{
    strName = trimSpaces(withoutHalfCharacters(fields.name));
    strEmail = trimSpaces(withoutHalfCharacters(fields.email));
    strMessage = trimSpaces(withoutHalfCharacters(fields.message));
    strFriendName = trimSpaces(withoutHalfCharacters(fields.friendName));
    strFriendEmail = trimSpaces(withoutHalfCharacters(fields.friendEmail));

    if (strEmail == strFriendEmail)
        return refuse(QCoreApplication::translate("Referral", "Please Enter Distinct Email Addresses"));
    const auto proper = [](const QString &address) {
        return address.contains(u'@') && address.contains(u'.');
    };
    if (!proper(strEmail) || !proper(strFriendEmail))
        return refuse(QCoreApplication::translate("Referral", "Please Enter Proper Email Address"));
    SubmitReferral();
}

void ModTellAFriend::SubmitReferral()
{
    const auto missing = [](const QString &value, const QString &prompt) {
        return value.isEmpty() || value == prompt;
    };
    if (missing(strName, prompts::name()))
        return refuse(QCoreApplication::translate("Referral", "Please Enter Your Name"));
    if (missing(strMessage, prompts::message()))
        return refuse(QCoreApplication::translate("Referral", "Please Enter Your Message"));
    if (missing(strFriendName, prompts::friendName()))
        return refuse(QCoreApplication::translate("Referral", "Please Enter Your Friend's Name"));
    const QString address = referralAddress();
    if (address.size() > kMaxReferralAddress)
        return refuse(referralTooLong(address.size()));
    strReferralURL = address;
    OpenReferralPage();
}

void ModTellAFriend::OpenReferralPage()
{
    m_help.OpenPageAddress(strReferralURL);
}

QString ModTellAFriend::referralAddress() const
{
    // Every value is encoded: a name such as "Ann & Bob" must not split into parameters. A
    // message left as it was is the prompt, which the site receives as written whatever the
    // language shown: the referral's values are the same in every language.
    const bool untouchedMessage = strMessage == prompts::messageInitial();
    const std::pair<const char *, QString> parameters[] = {
        {"taf1", strName},
        {"taf2", strEmail},
        {"taf3",
         untouchedMessage ? QLatin1StringView(prompts::kMessage) + QStringLiteral("\r\n") : strMessage},
        {"taf4", strFriendName},
        {"taf5", strFriendEmail},
        {"taf6", QString::fromLatin1(pages::kProductPage)}};
    QString address = QString::fromLatin1(pages::kReferral);
    for (const auto &[name, value] : parameters)
        address += u'&' + QLatin1StringView(name) + u'=' + encodeQueryValue(value);
    return address;
}

void ModTellAFriend::refuse(const QString &message)
{
    m_boxes.show(message, MsgIcon::Critical, MsgButtons::Ok);
}

} // namespace velmoor
