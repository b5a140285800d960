/* The floor of any start-up: one empty Xlib window, mapped, waiting to be killed. */
#include <X11/Xlib.h>

int main(void)
{
    Display *display = XOpenDisplay(0);
    if (!display)
        return 1;
    Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 518, 355, 0, 0, 0);
    XStoreName(display, window, "empty");
    XMapWindow(display, window);
    XFlush(display);
    for (XEvent event;;)
        XNextEvent(display, &event);
}
