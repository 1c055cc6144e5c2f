// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and times it from the moment before it is spawned to the MapNotify of its
// first top-level window, then stops the program, reads its memory and kills it. The root window's
// SubstructureNotify is selected before the program starts, so the map event arrives as the
// server processes the map request: no polling of window lists.
//
//   time_to_map [--timeout SECONDS] [--smaps FILE] PROGRAM [ARGUMENTS...]
//
// --smaps copies the program's /proc/PID/smaps, read once mapped, to FILE: where its memory is.
// Prints one line: "ms=<time to map> rss_kb=<VmRSS once mapped> hwm_kb=<VmHWM, the peak so far>
// cpu_ms=<processor time of all its threads until then, those that ended before included>".
// Exits 1 when the program ends or times out before it maps a window.

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

extern char **environ;

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// A value in kB of /proc/PID/status ("VmRSS", "VmHWM"); -1 when the line is missing.
long statusKb(pid_t pid, const char *field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, prefix.size(), prefix) == 0)
            return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    }
    return -1;
}

// The processor time of a stopped program that has just been killed, in milliseconds, once it
// is reaped: the kernel's account covers every thread it ran, also those that ended before the
// map. -1 when it cannot be had.
double reapedCpuMs(pid_t pid)
{
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return -1;
    const auto ms = [](const timeval &t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The _NET_WM_PID the window's client set; 0 when it set none.
pid_t windowPid(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t pidAtom)
{
    const auto cookie = xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return 0;
    return pid_t(*static_cast<const uint32_t *>(xcb_get_property_value(reply.get())));
}

// The window a MapNotify maps when it is a top-level window that may be the program's (no
// pop-up); XCB_WINDOW_NONE for any other event.
xcb_window_t mappedTopLevel(const xcb_generic_event_t *event)
{
    if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
        return XCB_WINDOW_NONE;
    const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event);
    return map->override_redirect ? xcb_window_t(XCB_WINDOW_NONE) : map->window;
}

} // namespace

int main(int argc, char *argv[])
{
    int first = 1;
    double timeoutMs = 30000;
    const char *smapsCopy = nullptr;
    for (; first + 1 < argc; first += 2) {
        if (std::strcmp(argv[first], "--timeout") == 0)
            timeoutMs = std::atof(argv[first + 1]) * 1000;
        else if (std::strcmp(argv[first], "--smaps") == 0)
            smapsCopy = argv[first + 1];
        else
            break;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: time_to_map [--timeout SECONDS] [--smaps FILE] PROGRAM "
                             "[ARGUMENTS...]\n");
        return 2;
    }

    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "time_to_map: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask[] = {XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY};
    xcb_generic_error_t *error = xcb_request_check(
        connection,
        xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, mask));
    if (error) {
        std::fprintf(stderr, "time_to_map: cannot watch the root window\n");
        return 2;
    }
    const xcb_atom_t pidAtom = atom(connection, "_NET_WM_PID");

    const double start = nowMs();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[first], nullptr, nullptr, argv + first, environ) != 0) {
        std::fprintf(stderr, "time_to_map: cannot start %s\n", argv[first]);
        return 2;
    }

    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const double mapped = nowMs();
            const xcb_window_t window = mappedTopLevel(event);
            std::free(event);
            if (window == XCB_WINDOW_NONE)
                continue;
            // Stopped at once, before asking whose window it is, so that the memory is read
            // as it was at the map and not after the first paint that follows it.
            kill(pid, SIGSTOP);
            waitpid(pid, nullptr, WUNTRACED);
            const pid_t owner = windowPid(connection, window, pidAtom);
            if (owner != 0 && owner != pid) {
                kill(pid, SIGCONT);
                continue;
            }
            const long rss = statusKb(pid, "VmRSS");
            const long hwm = statusKb(pid, "VmHWM");
            if (smapsCopy) {
                std::ifstream smaps("/proc/" + std::to_string(pid) + "/smaps");
                std::ofstream(smapsCopy) << smaps.rdbuf();
            }
            kill(pid, SIGKILL);
            const double cpu = reapedCpuMs(pid);
            std::printf("ms=%.2f rss_kb=%ld hwm_kb=%ld cpu_ms=%.2f\n", mapped - start, rss, hwm,
                        cpu);
            return 0;
        }
        if (xcb_connection_has_error(connection))
            break;
        // The wait ends at the next event; the short slices only notice a program that ended.
        const double left = timeoutMs - (nowMs() - start);
        if (left <= 0 || waitpid(pid, nullptr, WNOHANG) == pid)
            break;
        poll(&watched, 1, left < 100 ? int(left) + 1 : 100);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::fprintf(stderr, "time_to_map: %s mapped no window\n", argv[first]);
    return 1;
}
