// Start-up of the desktop program as a whole process: from the start to the first window
// mapped on the X server, against an empty Qt Widgets window under the same server. Needs
// an X server without a window manager (xvfb-run -a corvella_gui_bench).
#include <benchmark/benchmark.h>
#include <poll.h>
#include <signal.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "bench_support.h"

namespace {

namespace fs = std::filesystem;

struct Display {
    xcb_connection_t* c = nullptr;
    Display() {
        c = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(c)) return;
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c);
    }
    ~Display() { xcb_disconnect(c); }
    bool ok() const { return !xcb_connection_has_error(c); }
    void drain() {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c)) std::free(e);
    }
    // Waits up to 20 s for a top-level window to be mapped; false when none was.
    bool waitForMap() {
        pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
        for (;;) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c)) {
                const bool mapped = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
                std::free(e);
                if (mapped) return true;
            }
            if (::poll(&p, 1, 20000) <= 0) return false;
        }
    }
};

// Milliseconds from the program's start to its first window on the screen.
double msToFirstMap(Display& d, const std::vector<std::string>& argv) {
    d.drain();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = corvella::bench::spawnQuiet(argv);
    const bool mapped = d.waitForMap();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    if (!mapped) throw std::runtime_error(argv[0] + " showed no window");
    return took.count();
}

void BM_DesktopStartToMap(benchmark::State& st) {
    if (!std::getenv("DISPLAY")) {
        st.SkipWithError("no X server: run under xvfb-run -a");
        return;
    }
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    Display d;
    if (!d.ok()) {
        st.SkipWithError("cannot connect to the X server");
        return;
    }
    const fs::path folder = corvella::bench::makeDataFolder();
    double program = 0, empty = 0;
    try {
        for (auto _ : st) {
            empty += msToFirstMap(d, {CORVELLA_EMPTY_WINDOW});
            program += msToFirstMap(d, {CORVELLA_PROGRAM, "-C", folder.string()});
        }
    } catch (const std::exception& e) {
        st.SkipWithError(e.what());
    }
    fs::remove_all(folder);
    const double n = static_cast<double>(st.iterations());
    st.counters["corvella_ms"] = program / n;
    st.counters["empty_window_ms"] = empty / n;
    st.counters["ratio"] = empty > 0 ? program / empty : 0;
}
BENCHMARK(BM_DesktopStartToMap)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
