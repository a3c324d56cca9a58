// Measures how long a program takes from launch until its window shows a given colour
// at a given point: the first paint, watched on the X server, not guessed by a sleep.
//   startup_probe X Y RRGGBB command [args...]
// prints the milliseconds on one line; exits non-zero when nothing shows in 20 s.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

unsigned long pixelAt(Display* display, Window window, int x, int y) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) return ~0UL;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFFUL;
    XDestroyImage(image);
    return pixel;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s X Y RRGGBB command [args...]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const unsigned long colour = std::strtoul(argv[3], nullptr, 16);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);  // a window may vanish while it is being read
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(20);
    Window mapped = 0;
    double milliseconds = -1;
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root) mapped = event.xmap.window;
        }
        if (mapped != 0 && pixelAt(display, mapped, x, y) == colour) {
            milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (milliseconds < 0) {
        std::fprintf(stderr, "no paint seen\n");
        return 1;
    }
    std::printf("%.1f\n", milliseconds);
    return 0;
}
