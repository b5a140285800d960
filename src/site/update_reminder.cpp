#include "site/update_reminder.h"

#include "platform/numbers.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmoor {

namespace {
QString shifted(const QString &text, int offset)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        // Characters outside Latin-1 stand for '?', as in an 8-bit code page.
        const int code = (c.unicode() > 0xFF ? u'?' : c.unicode()) + offset;
        if (code >= 0 && code <= 0xFF)
            out.append(QChar(code));
    }
    return out;
}

bool isLatin1(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; });
}

QString fourDigitYear(const QString &format)
{
    // "yy" alone reads back as 19yy; "yyyy" stays as it is. (A plain scan: a regular
    // expression here cost a compile at every start.)
    QString out;
    out.reserve(format.size() + 2);
    for (qsizetype i = 0; i < format.size();) {
        qsizetype run = 0;
        while (i + run < format.size() && format[i + run] == u'y')
            ++run;
        if (run == 0)
            out.append(format[i++]);
        else {
            out.append(run == 2 ? QStringLiteral("yyyy") : QString(run, u'y'));
            i += run;
        }
    }
    return out;
}

// Text to a whole number as the desktop's conversion does: surrounding blanks allowed,
// fractions rounded half to even; nullopt when it is not a number or out of range.
std::optional<qint32> toWholeNumber(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = roundHalfToEven(value);
    if (rounded < std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(rounded);
}
} // namespace

QString reminderText()
{
    // Two lines, as the box shows them.
    return QCoreApplication::translate("UpdateReminder", "There maybe an update to this software available")
           + u'\r' + QCoreApplication::translate("UpdateReminder", "Do you want to check for an update?");
}

QString ScrambleText(const QString &text)
{
    return shifted(text, kScrambleOffset);
}

QString UnscrambleText(const QString &text)
{
    return shifted(text, -kScrambleOffset);
}

QString dateToText(QDate date, const QLocale &locale)
{
    const QString text = locale.toString(date, fourDigitYear(locale.dateFormat(QLocale::ShortFormat)));
    return isLatin1(text) ? text : date.toString(Qt::ISODate);
}

std::optional<QDate> textToDate(const QString &text, const QLocale &locale)
{
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    QDate date = locale.toDate(text, fourDigitYear(shortFormat));
    if (!date.isValid())
        date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid()) {
        date = locale.toDate(text, shortFormat);
        if (date.isValid() && date.year() < 2000)
            date = date.addYears(100);
    }
    if (!date.isValid())
        return std::nullopt;
    return date;
}

void UpdateReminderRun::UpdateReminder()
{
    strDurationKey = ScrambleText(QStringLiteral("Duration"));
    strInstallKey = ScrambleText(QStringLiteral("Install"));

    const std::optional<QString> storedDuration = m_store.read(kSettingsSection, strDurationKey);
    if (!storedDuration)
        return;
    const QString storedDate = UnscrambleText(*storedDuration);
    const QDate today = m_clock.today();

    if (storedDate.isEmpty()) {
        if (m_store.write(kSettingsSection, strInstallKey, ScrambleText(QStringLiteral("1"))))
            m_store.write(kSettingsSection, strDurationKey, ScrambleText(dateToText(today, m_locale)));
        return;
    }

    const std::optional<QDate> date = textToDate(storedDate, m_locale);
    if (!date)
        return;
    const qint64 days = today.daysTo(*date);
    if (days >= -14 && days <= 14)
        return;

    const MsgAnswer answer = m_boxes.show(reminderText(), MsgIcon::Information, MsgButtons::YesNo);

    const std::optional<QString> storedInstall = m_store.read(kSettingsSection, strInstallKey);
    if (!storedInstall)
        return;
    const std::optional<qint32> install = toWholeNumber(UnscrambleText(*storedInstall));
    if (!install || *install == std::numeric_limits<qint32>::min()) // no positive counterpart
        return;
    if (!m_store.write(kSettingsSection, strInstallKey, ScrambleText(QString::number(std::abs(*install)))))
        return;
    if (!m_store.write(kSettingsSection, strDurationKey, ScrambleText(dateToText(today, m_locale))))
        return;
    if (answer == MsgAnswer::Yes)
        m_help.OpenDownloadWebPage();
}

} // namespace velmoor
