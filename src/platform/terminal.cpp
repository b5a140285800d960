#include "platform/terminal.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>

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

void printToTerminal(const QString &text)
{
#ifdef _WIN32
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(out, &mode)) {
        std::fflush(stdout);
        DWORD written = 0;
        WriteConsoleW(out, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()), &written,
                      nullptr);
        return;
    }
#endif
    std::fputs(text.toUtf8().constData(), stdout);
}

} // namespace velmoor
