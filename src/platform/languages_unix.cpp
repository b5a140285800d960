#include "platform/languages.h"

namespace velmoor {

// Read from the environment, not from Qt's list of the user's languages: Qt 6.4 puts "C"
// (English) in that list after every entry it cannot name, so "xx:de" would give English.
QString systemLanguage()
{
    return chooseLanguage(
        languagesFromEnvironment(qEnvironmentVariable("LANGUAGE"), qEnvironmentVariable("LC_ALL"),
                                 qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG")),
        translatedLanguages());
}

} // namespace velmoor
