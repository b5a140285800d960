#include "platform/languages.h"

#include <QLocale>

namespace velmoor {

// The display languages the user put in order in the system's settings.
QString systemLanguage()
{
    return chooseLanguage(QLocale::system().uiLanguages(), translatedLanguages());
}

} // namespace velmoor
