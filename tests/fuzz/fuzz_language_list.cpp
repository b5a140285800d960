// The user's language from any environment: LANGUAGE, LC_ALL, LC_MESSAGES and LANG (cut at
// zero bytes, read as the program reads the environment). The language chosen is one the
// program has, or English, and no entry before the one it came from names a language the
// program has, or English, as written (of the first kMostLanguages entries, which are all
// the program reads).

#include "fuzz.h"
#include "platform/languages.h"

#include <QLocale>

using namespace velmoor;
using velmoor::fuzz::expect;

namespace {

// An entry as a locale name: "de_DE.UTF-8@euro" is "de_DE", "pt-BR" is "pt_BR".
QString localeName(const QString &entry)
{
    return entry.section(u'.', 0, 0).section(u'@', 0, 0).replace(u'-', u'_');
}

// The language an entry's code names, as Qt reads codes: "pt", "PT" and "por" alike.
QLocale::Language languageOf(const QString &entry)
{
    return QLocale::codeToLanguage(localeName(entry).section(u'_', 0, 0));
}

bool namesEnglish(const QString &entry)
{
    const QString name = localeName(entry);
    return name == u"C" || name == u"POSIX" || languageOf(entry) == QLocale::English;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QStringList available = translatedLanguages();
    const QList<QByteArray> variables = fuzz::byteParts(data, size, 4);
    const QStringList wanted =
        languagesFromEnvironment(QString::fromLocal8Bit(variables[0]), QString::fromLocal8Bit(variables[1]),
                                 QString::fromLocal8Bit(variables[2]), QString::fromLocal8Bit(variables[3]));
    const QString chosen = chooseLanguage(wanted, available);
    const auto details = [&] { return wanted.join(u':') + QStringLiteral(" gave \"") + chosen + u'"'; };
    expect(chosen.isEmpty() || available.contains(chosen), "a language the program has, or English", details);

    // Where the choice came from: the first entry of its language (English: of English, C or
    // POSIX), or, for English, nowhere; among the entries read.
    const QStringList read = wanted.mid(0, kMostLanguages);
    qsizetype source = read.size();
    for (qsizetype i = 0; i < read.size() && source == read.size(); ++i)
        if (chosen.isEmpty() ? namesEnglish(read[i]) : languageOf(read[i]) == QLocale(chosen).language())
            source = i;
    expect(chosen.isEmpty() || source < read.size(), "a language named by an entry", details);
    // An entry naming exactly a language the program has, or English, is never passed over.
    for (qsizetype i = 0; i < source; ++i)
        expect(!available.contains(localeName(read[i])) && !namesEnglish(read[i]),
               "an earlier entry the program has is not passed over", details);
    return 0;
}
