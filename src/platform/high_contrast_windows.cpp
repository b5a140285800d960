#include "platform/high_contrast.h"

#include <windows.h>

namespace velmoor {

bool highContrastRequested()
{
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, contrast.cbSize, &contrast, 0) != 0
           && (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

bool nativeStyleDrawsDarkColours()
{
    return false;
}

} // namespace velmoor
