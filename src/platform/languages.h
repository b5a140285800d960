#pragma once
// The language the program speaks: the first of the user's languages that it has, its own
// texts and Qt's (buttons, a field's context menu) in it, and its direction. English is the
// language the texts are written in: it needs no translation, and is what anyone gets whose
// languages the program does not have.

#include <QString>
#include <QStringList>

namespace velmoor {

// The languages the program has besides English, as its translations name them ("de",
// "pt_BR", "zh_CN").
QStringList translatedLanguages();

// The first of `wanted` (the user's languages, most wanted first, as the system gives them:
// "de-DE", "pt_BR.UTF-8", "zh-Hans-CN", "C") that the program has: one of `available`, or
// empty for English, which an English, C or POSIX entry chooses too. A language written in
// another script (Traditional Chinese) or spoken in another country (Portuguese of
// Portugal, where only Brazil's is available) is not taken for the one available.
// Only the first kMostLanguages entries are read: a list longer than anyone writes is cut.
inline constexpr qsizetype kMostLanguages = 32;
QString chooseLanguage(const QStringList &wanted, const QStringList &available);

// The user's languages as a POSIX environment names them, most wanted first: the entries of
// LANGUAGE (a list separated by colons), then the locale messages are shown in (LC_ALL, else
// LC_MESSAGES, else LANG). Entries are kept as written, unknown ones too: chooseLanguage
// passes over what it cannot read.
QStringList languagesFromEnvironment(const QString &language, const QString &lcAll, const QString &lcMessages,
                                     const QString &lang);

// The language of this user's system (on Linux from the environment above; on Windows the
// display language): languages_unix.cpp, languages_windows.cpp.
QString systemLanguage();

// Every text from now on in `language` (empty: English as written), the program's and Qt's
// own, laid out in its direction; needs the application object. Replaces what an earlier
// call put in place.
void useLanguage(const QString &language);

} // namespace velmoor
