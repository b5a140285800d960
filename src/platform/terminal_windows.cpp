#include "platform/terminal.h"

#include <windows.h>

#include <QByteArray>

#include <cstdio>

namespace velmoor {

void reachTerminal()
{
    const auto missing = [](DWORD which) {
        const HANDLE handle = GetStdHandle(which);
        return handle == nullptr || handle == INVALID_HANDLE_VALUE;
    };
    if (missing(STD_OUTPUT_HANDLE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::FILE *ignored = nullptr;
        freopen_s(&ignored, "CONOUT$", "w", stdout);
        freopen_s(&ignored, "CONOUT$", "w", stderr);
    }
}

bool terminalCanShow(const QString &)
{
    return true;
}

void printToTerminal(const QString &text)
{
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (GetConsoleMode(out, &mode)) {
        std::fflush(stdout);
        DWORD written = 0;
        WriteConsoleW(out, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()), &written,
                      nullptr);
        return;
    }
    std::fputs(text.toUtf8().constData(), stdout);
}

} // namespace velmoor
