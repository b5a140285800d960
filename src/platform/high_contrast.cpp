#include "platform/high_contrast.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace velmoor {

bool highContrastRequested()
{
#ifdef _WIN32
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, contrast.cbSize, &contrast, 0) != 0
           && (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
#else
    return false;
#endif
}

} // namespace velmoor
