#pragma once
// Refer a friend. The exit screen's panel (referral_panel.h) applies the prompt rules
// below to its five fields; its button hands their contents to ModTellAFriend, which
// checks them in a fixed order, builds the referral address and opens it.

#include "platform/platform.h"
#include "site/mod_help.h"

#include <optional>

namespace velmoor {

// The fields' prompts, in the language the program speaks: a field is compared with the
// prompt it shows.
namespace prompts {
QString name();
QString email();
QString friendName();
QString friendEmail();
QString message();
// The message field starts with its prompt and a line break, so it does not count as one.
QString messageInitial();
} // namespace prompts

// Without leading and trailing spaces (code 32 only; tabs and line breaks stay).
QString trimSpaces(const QString &text);
// The content a field gets when it takes the focus, or nullopt to leave it alone.
std::optional<QString> contentOnEntry(const QString &content, const QString &prompt);
// The content a field gets when it loses the focus, or nullopt to leave it alone.
std::optional<QString> contentOnLeave(const QString &content, const QString &prompt);

QString noSpaceInEmail();

// The longest referral address the program hands to the browser, which receives it as
// one argument of its command line: Windows allows a whole command line 32,767 characters,
// Linux one argument 128 KiB. One limit everywhere, with room for the browser's own words.
inline constexpr qsizetype kMaxReferralAddress = 32000;
// The refusal of a longer one; `length` is the address that was not sent.
QString referralTooLong(qsizetype length);

struct ReferralFields {
    QString name, email, message, friendName, friendEmail;
};

// RFC 3986 percent-encoding of UTF-8: unreserved characters stay, all else is %XX.
QString encodeQueryValue(const QString &value);

class ModTellAFriend {
public:
    ModTellAFriend(const ModHelp &help, MessageBoxes &boxes) : m_help(help), m_boxes(boxes) {}

    // The button's press: takes the trimmed fields, checks the addresses, then submits.
    void cmdSubmit_Click(const ReferralFields &fields);
    void SubmitReferral();
    void OpenReferralPage();

    // The referral address for the values held now.
    QString referralAddress() const;

    QString strName, strEmail, strMessage, strFriendName, strFriendEmail, strReferralURL;

private:
    void refuse(const QString &message);
    const ModHelp &m_help;
    MessageBoxes &m_boxes;
};

} // namespace velmoor
