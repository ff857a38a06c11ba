// Starts a program on the X display and measures the time until it maps its first top-level
// window, then ends it after a settling time and reports its peak memory.
//
//   vun_fensterwarten NACHLAUF_MS PROGRAMM [ARGUMENTE...]
//
// Prints one line "start_ms=... maxrss_kib=..." and exits 0, or exits 1 with a reason on stderr.
// The watcher listens on the root window before the program exists, so its own cost is one fork,
// one wake-up on the map event and one wait, the same for every program it starts.
#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Zeitlimit_ms = 20000;

double jetzt_ms() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Hears every window mapped on the root window from now on.
bool wurzelBelauschen(xcb_connection_t* x) {
    xcb_screen_t* bildschirm = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const uint32_t maske = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, bildschirm->root, XCB_CW_EVENT_MASK, &maske);
    // A round trip: the server has taken the mask before the program starts.
    free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    return !xcb_connection_has_error(x);
}

pid_t starten(char** argv) {
    const pid_t kind = fork();
    if (kind == 0) {
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    return kind;
}

// True once a top-level window other than a popup is mapped; false when the program ended or
// the time ran out first.
bool aufFensterWarten(xcb_connection_t* x, pid_t kind, double beginn) {
    pollfd pfd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (jetzt_ms() - beginn < Zeitlimit_ms) {
        while (xcb_generic_event_t* ereignis = xcb_poll_for_event(x)) {
            const bool gemappt =
                (ereignis->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t*>(ereignis)->override_redirect;
            free(ereignis);
            if (gemappt)
                return true;
        }
        if (waitpid(kind, nullptr, WNOHANG) == kind)
            return false;
        poll(&pfd, 1, 50);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s NACHLAUF_MS PROGRAMM [ARGUMENTE...]\n", argv[0]);
        return 2;
    }
    const int nachlauf_ms = std::atoi(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x) || !wurzelBelauschen(x)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const double beginn = jetzt_ms();
    const pid_t kind = starten(argv + 2);
    const bool gemappt = aufFensterWarten(x, kind, beginn);
    const double start_ms = jetzt_ms() - beginn;
    if (gemappt)
        usleep(nachlauf_ms * 1000);
    kill(kind, SIGTERM);
    int status = 0;
    rusage verbrauch{};
    while (wait4(kind, &status, 0, &verbrauch) < 0 && errno == EINTR) {
    }
    xcb_disconnect(x);
    if (!gemappt) {
        std::fprintf(stderr, "%s mapped no window\n", argv[2]);
        return 1;
    }
    // The same counter GNU time reports as "Maximum resident set size".
    std::printf("start_ms=%.2f maxrss_kib=%ld\n", start_ms, verbrauch.ru_maxrss);
    return 0;
}
