#include "platform/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace velmoor {

namespace {

// Built into the program: translations/velmoor_<language>.qm.
const QString kTranslations = QStringLiteral(":/velmoor/translations");

// The language an entry names, by its code alone: Qt reads a name it does not know
// ("xx", or a language it has no data for, such as "csb") as English.
QLocale::Language languageOf(const QString &entry)
{
    if (entry == u'C' || entry == QStringLiteral("POSIX"))
        return QLocale::English;
    return QLocale::codeToLanguage(QStringView(entry).left(entry.indexOf(u'_')));
}

bool sameLanguage(const QLocale &wanted, const QString &available, const QLocale &have)
{
    if (wanted.language() != have.language() || wanted.script() != have.script())
        return false;
    // A translation named for a country (pt_BR) serves that country, and anyone who names
    // the language alone; Chinese is told apart by its script, checked above.
    const bool namesCountry = available.contains(u'_') && have.language() != QLocale::Chinese;
    return !namesCountry || wanted.territory() == have.territory();
}

// Qt's own translations: beside the program (Windows), else where this Qt keeps them.
std::unique_ptr<QTranslator> qtTranslator(const QString &language)
{
    auto translator = std::make_unique<QTranslator>();
    const QString name = QStringLiteral("qtbase_") + language;
    for (const QString &folder : {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)})
        if (translator->load(name, folder))
            return translator;
    return nullptr;
}

} // namespace

QStringList translatedLanguages()
{
    // Matched by hand: a name filter is a regular expression, and compiling one brings half a
    // megabyte of the expression library into memory before the first window.
    QStringList languages;
    const QStringList files = QDir(kTranslations).entryList(QDir::Files, QDir::Name);
    for (const QString &file : files)
        if (file.startsWith(u"velmoor_") && file.endsWith(u".qm"))
            languages << file.section(u'_', 1).chopped(3); // "velmoor_pt_BR.qm": "pt_BR"
    return languages;
}

QString chooseLanguage(const QStringList &wanted, const QStringList &available)
{
    std::vector<QLocale> have;
    have.reserve(std::size_t(available.size()));
    for (const QString &name : available)
        have.emplace_back(name);
    for (QString entry : wanted.mid(0, kMostLanguages)) {
        // "de_DE.UTF-8@euro": the language and country only, as a locale name.
        entry = entry.section(u'.', 0, 0).section(u'@', 0, 0).replace(u'-', u'_');
        // An entry nobody can read is passed over, as gettext passes over a language it has
        // no catalogue for.
        const QLocale::Language language = languageOf(entry);
        if (language == QLocale::AnyLanguage)
            continue;
        if (language == QLocale::English)
            return {};
        const QLocale locale(entry);
        for (qsizetype i = 0; i < available.size(); ++i)
            if (sameLanguage(locale, available[i], have[std::size_t(i)]))
                return available[i];
    }
    return {};
}

QStringList languagesFromEnvironment(const QString &language, const QString &lcAll, const QString &lcMessages,
                                     const QString &lang)
{
    QStringList wanted = language.split(u':', Qt::SkipEmptyParts);
    for (const QString &locale : {lcAll, lcMessages, lang}) {
        if (!locale.isEmpty()) {
            wanted << locale;
            break;
        }
    }
    return wanted;
}

void useLanguage(const QString &language)
{
    static std::vector<std::unique_ptr<QTranslator>> installed;
    for (const auto &translator : installed)
        QCoreApplication::removeTranslator(translator.get());
    installed.clear();
    // Right to left for Arabic: every window mirrored, as the desktop shows programs in it.
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(language.isEmpty() ? Qt::LeftToRight
                                                               : QLocale(language).textDirection());
    if (language.isEmpty())
        return;
    auto own = std::make_unique<QTranslator>();
    if (own->load(QStringLiteral("velmoor_") + language, kTranslations))
        installed.push_back(std::move(own));
    if (auto qt = qtTranslator(language))
        installed.push_back(std::move(qt));
    for (const auto &translator : installed)
        QCoreApplication::installTranslator(translator.get());
}

} // namespace velmoor
