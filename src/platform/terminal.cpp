#include "platform/terminal.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>
#endif

namespace velmoor {

void reachTerminal()
{
#ifdef _WIN32
    const auto missing = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    if (missing(STD_OUTPUT_HANDLE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::FILE *ignored = nullptr;
        freopen_s(&ignored, "CONOUT$", "w", stdout);
        freopen_s(&ignored, "CONOUT$", "w", stderr);
    }
#endif
}

} // namespace velmoor
