// The update reminder against whatever the settings store holds. Input: a byte choosing the
// user's locale and the answer to the box, two bytes choosing today, then the stored
// "Duration" and "Install" values (UTF-16, cut at a zero unit). Whatever they are, the
// outcome is one the reminder's rules give: first start, waiting, due, or a quiet failure
// (an unreadable date writes nothing; an unreadable count writes nothing after the box),
// and what it writes reads back as today, so that the next start waits.

#include "fuzz.h"
#include "platform/fakes.h"
#include "site/update_reminder.h"

#include <cmath>
#include <limits>

using namespace velmoor;
using velmoor::fuzz::expect;

namespace {

// Locales whose short dates differ in order, separators, digits and scripts.
const char *const kLocales[] = {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "zh_CN", "ar_EG", "fa_IR",
                                "hi_IN", "ru_RU", "C",     "pl_PL", "pt_BR", "ko_KR", "th_TH", "he_IL"};

// The count as the reminder reads it: a number, blanks around it allowed, rounded half to
// even, that has a positive counterpart among 32-bit whole numbers.
std::optional<qint64> readCount(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding: half to even
    if (rounded <= std::numeric_limits<qint32>::min() || rounded > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint64(rounded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 3)
        return 0;
    const QLocale locale{QString::fromLatin1(kLocales[data[0] % std::size(kLocales)])};
    testing::FakeClock clock;
    clock.date = QDate(2000, 1, 1).addDays(data[1] << 8 | data[2]); // 2000 to 2179
    testing::FakeBoxes boxes;
    boxes.answer = data[0] & 0x80 ? MsgAnswer::Yes : MsgAnswer::No;
    const QStringList stored = fuzz::textParts(data + 3, size - 3, 2);

    const QString durationKey = kSettingsSection + u'/' + ScrambleText(QStringLiteral("Duration"));
    const QString installKey = kSettingsSection + u'/' + ScrambleText(QStringLiteral("Install"));
    testing::FakeSettings store;
    store.values[durationKey] = stored[0];
    store.values[installKey] = stored[1];
    const QMap<QString, QString> before = store.values;
    testing::FakeOpener opener;
    const ModHelp help(opener);
    const auto run = [&] { UpdateReminderRun(store, clock, boxes, help, locale).UpdateReminder(); };
    run();

    const auto details = [&] {
        return QStringLiteral("locale %1, today %2, stored %3 | %4, now %5 | %6")
            .arg(locale.name(), clock.date.toString(Qt::ISODate), UnscrambleText(stored[0]),
                 UnscrambleText(stored[1]), UnscrambleText(store.values[durationKey]),
                 UnscrambleText(store.values[installKey]));
    };
    const auto readsBackAsToday = [&] {
        return textToDate(UnscrambleText(store.values[durationKey]), locale) == clock.date;
    };
    const QString storedDate = UnscrambleText(stored[0]);
    if (storedDate.isEmpty()) { // the first start
        expect(boxes.shown.isEmpty(), "the first start asks nothing", details);
        expect(UnscrambleText(store.values[installKey]) == u"1", "the first start counts 1", details);
        expect(readsBackAsToday(), "the first start's date reads back as today", details);
    } else {
        const std::optional<QDate> date = textToDate(storedDate, locale);
        if (!date || qAbs(clock.date.daysTo(*date)) <= 14) { // unreadable, or not yet due
            expect(boxes.shown.isEmpty() && store.values == before && opener.opened.isEmpty(),
                   "an unreadable or recent date asks nothing and writes nothing", details);
            return 0;
        }
        expect(boxes.shown.size() == 1 && boxes.shown[0].buttons == MsgButtons::YesNo,
               "a due reminder asks once", details);
        const std::optional<qint64> count = readCount(UnscrambleText(stored[1]));
        if (!count) {
            expect(store.values == before && opener.opened.isEmpty(),
                   "an unreadable count writes nothing and opens nothing", details);
            return 0;
        }
        expect(UnscrambleText(store.values[installKey]) == QString::number(qAbs(*count)),
               "the count is written back as a whole number", details);
        expect(readsBackAsToday(), "the date written reads back as today", details);
        expect(opener.opened.size() == (boxes.answer == MsgAnswer::Yes ? 1 : 0),
               "Yes, and only Yes, opens the page", details);
    }
    // What was written makes the next start wait.
    const QMap<QString, QString> written = store.values;
    boxes.shown.clear();
    run();
    expect(boxes.shown.isEmpty() && store.values == written, "the next start waits", details);
    return 0;
}
