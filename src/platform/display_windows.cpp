#include "platform/display.h"

namespace velmoor {

// Windows has one desktop, and Qt's platform for it.
struct DisplayChoice::State {};

DisplayChoice::DisplayChoice() = default;
DisplayChoice::~DisplayChoice() = default;

bool DisplayChoice::choose(QList<const char *> &)
{
    return true;
}

void DisplayChoice::release()
{}

} // namespace velmoor
