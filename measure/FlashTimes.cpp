// Measures how long messages stay on screen, from outside the program: the time from the X
// server mapping the flash window to unmapping it, as a user's display shows it, and where
// within the frame grid each flash is shown and hidden.
// Usage: halcyra_flash_times FLASHES TIMEOUT_SECONDS EXPECTED_MS
// Watches every override-redirect top-level window (Wine maps popups without a frame that
// way) and reports the one that came and went most often.
//
// Wine reports a 60 Hz composition grid anchored at 0 of CLOCK_MONOTONIC_RAW (its
// QueryPerformanceCounter counts that clock in 100 ns units, and a period is 166666 of
// them), so reading the same clock here puts each map and unmap on the program's grid.
#include <X11/Xlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <poll.h>
#include <vector>

namespace {

constexpr double kFrameMs = 16.6666;

double NowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_RAW, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Where within its frame an instant falls: 0 at a vertical blank, 0.5 in the middle.
double Phase(double ms)
{
    return std::fmod(ms, kFrameMs) / kFrameMs;
}

struct Mapping {
    double mappedAt = -1;
    std::vector<double> shown;  // milliseconds each mapping lasted
    std::vector<double> showPhases;
    std::vector<double> hidePhases;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void ReportPhases(const char* what, const std::vector<double>& phases)
{
    const auto [low, high] = std::minmax_element(phases.begin(), phases.end());
    std::printf("%s at frame phase: median %.2f  min %.2f  max %.2f\n", what, Median(phases), *low, *high);
}

void Report(const Mapping& flashes, double expected)
{
    const std::vector<double>& shown = flashes.shown;
    const auto [shortest, longest] = std::minmax_element(shown.begin(), shown.end());
    const double median = Median(shown);
    std::printf("flashes %zu  expected %.0f ms  median %.1f ms (%.2f frames)  min %.1f ms  max %.1f ms\n",
                shown.size(), expected, median, median / kFrameMs, *shortest, *longest);
    ReportPhases("shown", flashes.showPhases);
    ReportPhases("hidden", flashes.hidePhases);
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
    const double start = NowMs();
    while (NowMs() - start < timeoutMs && !(busiest && busiest->shown.size() >= wanted)) {
        if (!XPending(display)) {
            pollfd fd = {ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double now = NowMs();
        if (event.type == MapNotify && event.xmap.override_redirect) {
            windows[event.xmap.window].mappedAt = now;
        } else if (event.type == UnmapNotify && windows.count(event.xunmap.window)) {
            Mapping& window = windows[event.xunmap.window];
            if (window.mappedAt >= 0) {
                window.shown.push_back(now - window.mappedAt);
                window.showPhases.push_back(Phase(window.mappedAt));
                window.hidePhases.push_back(Phase(now));
            }
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
    Report(*busiest, expected);
    return busiest->shown.size() >= wanted ? 0 : 1;
}
