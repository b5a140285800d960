#pragma once
// The update reminder. Once per start it compares today with the date it recorded last
// and, when they lie more than 14 days apart, offers to open the download page. Both its
// keys and values are kept scrambled in the settings store.

#include "platform/platform.h"
#include "site/mod_help.h"

#include <QLocale>

namespace velmoor {

// The same fixed offset for every character, key and value.
inline constexpr int kScrambleOffset = 9;

// Shifts each Latin-1 code up by the offset; a character that would pass 255 is dropped.
QString ScrambleText(const QString &text);
// The reverse; a character that would fall below 0 is dropped.
QString UnscrambleText(const QString &text);

// Today as text in the user's short date format, always with a four-digit year, so that it
// reads back as the same day. Where the locale writes characters outside Latin-1 (other
// digits, month names in other scripts) the text is ISO 8601 instead, which survives
// scrambling.
QString dateToText(QDate date, const QLocale &locale);
// Reads what dateToText wrote, and short dates with a two-digit year as this century's.
std::optional<QDate> textToDate(const QString &text, const QLocale &locale);

inline const QString kSettingsSection = QStringLiteral("Settings");
// The reminder's question, in the language the program speaks.
QString reminderText();

class UpdateReminderRun {
public:
    UpdateReminderRun(SettingsStore &store, const Clock &clock, MessageBoxes &boxes, const ModHelp &help,
                      const QLocale &locale = QLocale())
        : m_store(store), m_clock(clock), m_boxes(boxes), m_help(help), m_locale(locale)
    {}
    // Every failure ends the reminder quietly at the step where it happens.
    void UpdateReminder();

private:
    QString strDurationKey;
    QString strInstallKey;
    SettingsStore &m_store;
    const Clock &m_clock;
    MessageBoxes &m_boxes;
    const ModHelp &m_help;
    QLocale m_locale;
};

} // namespace velmoor
