// The top-level windows as Windows sees them, for the Wine scenarios (Wine's own desktop
// shows the X server one window for all of them): each visible window from the top of the
// stacking order down, one line each, tab-separated: handle, owner, topmost (0/1),
// foreground (0/1), a sizing frame (0/1), the window's rectangle and its client area's
// (x,y,w,h on the screen), title. `wine_windows close HANDLE` asks a window to close, as a
// task bar's Close does; `wine_windows event NAME` holds an event of that name (another
// program's namesake of the one-copy guard), and `wine_windows file PATH` holds the file open
// without letting it be deleted (a file in use), until its standard input closes.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

BOOL CALLBACK print(HWND window, LPARAM)
{
    if (!IsWindowVisible(window))
        return TRUE;
    wchar_t title[256] = {};
    InternalGetWindowText(window, title, 256); // sends no message: a busy window cannot hold us up
    RECT frame{}, client{};
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const bool topmost = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    const bool sizing = (GetWindowLongW(window, GWL_STYLE) & WS_THICKFRAME) != 0;
    std::printf("%llu\t%llu\t%d\t%d\t%d\t%ld,%ld,%ld,%ld\t%ld,%ld,%ld,%ld\t%ls\n",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)),
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetWindow(window, GW_OWNER))),
                topmost ? 1 : 0, GetForegroundWindow() == window ? 1 : 0, sizing ? 1 : 0, frame.left,
                frame.top, frame.right - frame.left, frame.bottom - frame.top, origin.x, origin.y,
                client.right, client.bottom, title);
    return TRUE;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "close") == 0) {
        const auto window =
            reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(argv[2], nullptr, 10)));
        return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    const bool holdEvent = argc == 3 && std::strcmp(argv[1], "event") == 0;
    if (holdEvent || (argc == 3 && std::strcmp(argv[1], "file") == 0)) {
        wchar_t name[512] = {};
        MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, name, 512);
        HANDLE held = holdEvent ? CreateEventW(nullptr, TRUE, FALSE, name)
                                : CreateFileW(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (!held || held == INVALID_HANDLE_VALUE)
            return 1;
        std::puts("held");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        CloseHandle(held);
        return 0;
    }
    EnumWindows(print, 0);
    return 0;
}
