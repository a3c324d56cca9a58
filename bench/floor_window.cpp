// The floor of start-up time: a bare Xlib program that opens a window the size of
// Marvolen's and paints it cyan, and nothing else.
#include <X11/Xlib.h>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 519, 276, 0, 0, None);
    XStoreName(display, window, "floor");
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    GC gc = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, gc, 0x00FFFF);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == Expose) {
            XFillRectangle(display, window, gc, 0, 0, 519, 276);
            XFlush(display);
        }
    }
}
