#include "platform/high_contrast.h"

namespace velmoor {

bool highContrastRequested()
{
    return false;
}

bool nativeStyleDrawsDarkColours()
{
    return true;
}

} // namespace velmoor
