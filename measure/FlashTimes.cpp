// Measures how long messages stay on screen, from outside the program: the time from
// the X server mapping the flash window to unmapping it, as a user's display shows it.
// Usage: halcyra_flash_times FLASHES TIMEOUT_SECONDS EXPECTED_MS
// Watches every override-redirect top-level window (Wine maps popups without a frame
// that way) and reports the one that came and went most often.
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <poll.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Mapping {
    double mappedAt = -1;
    std::vector<double> shown;  // milliseconds each mapping lasted
};

void Report(const std::vector<double>& shown, double expected)
{
    std::vector<double> sorted = shown;
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    const double median = n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    double worst = 0;
    for (double ms : sorted)
        worst = std::max(worst, std::fabs(ms - expected));
    std::printf("flashes %zu  expected %.0f ms  median %.1f ms  min %.1f ms  max %.1f ms  worst deviation %.1f ms\n",
                n, expected, median, sorted.front(), sorted.back(), worst);
    std::printf("each:");
    for (double ms : shown)
        std::printf(" %.1f", ms);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s FLASHES TIMEOUT_SECONDS EXPECTED_MS\n", argv[0]);
        return 2;
    }
    const size_t wanted = std::strtoul(argv[1], nullptr, 10);
    const double timeoutMs = std::atof(argv[2]) * 1000;
    const double expected = std::atof(argv[3]);

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XFlush(display);
    std::printf("watching\n");
    std::fflush(stdout);

    std::map<::Window, Mapping> windows;
    const Mapping* busiest = nullptr;
    const Clock::time_point start = Clock::now();
    while (MsSince(start) < timeoutMs && !(busiest && busiest->shown.size() >= wanted)) {
        if (!XPending(display)) {
            pollfd fd = {ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double now = MsSince(start);
        if (event.type == MapNotify && event.xmap.override_redirect) {
            windows[event.xmap.window].mappedAt = now;
        } else if (event.type == UnmapNotify && windows.count(event.xunmap.window)) {
            Mapping& window = windows[event.xunmap.window];
            if (window.mappedAt >= 0)
                window.shown.push_back(now - window.mappedAt);
            window.mappedAt = -1;
            if (!busiest || window.shown.size() > busiest->shown.size())
                busiest = &window;
        }
    }
    XCloseDisplay(display);
    if (!busiest) {
        std::printf("no flash seen\n");
        return 1;
    }
    Report(busiest->shown, expected);
    return busiest->shown.size() >= wanted ? 0 : 1;
}
