// Starts a program on the X display and measures the time until it maps its first top-level
// window and until it first draws into it, then ends it after a settling time and reports its
// peak memory.
//
//   vun_fensterwarten NACHLAUF_MS PROGRAMM [ARGUMENTE...]
//
// Prints one line "start_ms=... bild_ms=... cpu_ms=... maxrss_kib=..." and exits 0, or exits 1
// with a reason on stderr. bild_ms is the time until the program's first drawing into the mapped
// window reached the X server (its first frame). cpu_ms is the processor time all the program's
// threads had used when its window was mapped: unlike the wall-clock time it hardly grows when
// other work shares the machine. The watcher listens on the root window before the program exists,
// so its own cost is one fork, one wake-up on the map event and one wait, the same for every
// program it starts.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int Zeitlimit_ms = 20000;
// A drawing that came before the watcher could listen for it is missed; then give up soon.
constexpr int Bildlimit_ms = 2000;

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

// Processor time of all threads of a process so far, from the scheduler's own nanosecond count.
double prozessorzeit_ms(pid_t prozess) {
    const std::string ordner = "/proc/" + std::to_string(prozess) + "/task";
    double summe = 0;
    DIR* aufgaben = opendir(ordner.c_str());
    if (!aufgaben)
        return -1;
    while (const dirent* eintrag = readdir(aufgaben)) {
        if (eintrag->d_name[0] == '.')
            continue;
        const std::string pfad = ordner + "/" + eintrag->d_name + "/schedstat";
        if (FILE* datei = std::fopen(pfad.c_str(), "r")) {
            unsigned long long ns = 0;
            if (std::fscanf(datei, "%llu", &ns) == 1)
                summe += ns / 1e6;
            std::fclose(datei);
        }
    }
    closedir(aufgaben);
    return summe;
}

// The damage extension reports drawing into a window; asked for its version once, as it demands.
uint8_t schadenBereit(xcb_connection_t* x) {
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(x, &xcb_damage_id);
    if (!ext || !ext->present)
        return 0;
    free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    return ext->first_event;
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

// Waits for the first event that passes the test; false when the program ended or the time ran
// out first.
template <typename Test> bool warten(xcb_connection_t* x, pid_t kind, double bis, Test passt) {
    pollfd pfd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (jetzt_ms() < bis) {
        while (xcb_generic_event_t* ereignis = xcb_poll_for_event(x)) {
            const bool ja = passt(ereignis);
            free(ereignis);
            if (ja)
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
    const uint8_t schaden = schadenBereit(x);
    const double beginn = jetzt_ms();
    const pid_t kind = starten(argv + 2);
    // A top-level window other than a popup.
    xcb_window_t fenster = 0;
    const bool gemappt = warten(x, kind, beginn + Zeitlimit_ms, [&](const xcb_generic_event_t* e) {
        const auto* karte = reinterpret_cast<const xcb_map_notify_event_t*>(e);
        if ((e->response_type & 0x7f) != XCB_MAP_NOTIFY || karte->override_redirect)
            return false;
        fenster = karte->window;
        return true;
    });
    const double start_ms = jetzt_ms() - beginn;
    const double cpu_ms = gemappt ? prozessorzeit_ms(kind) : -1;
    bool gemalt = false;
    if (gemappt && schaden) {
        const xcb_damage_damage_t id = xcb_generate_id(x);
        xcb_damage_create(x, id, fenster, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(x);
        gemalt = warten(x, kind, jetzt_ms() + Bildlimit_ms, [&](const xcb_generic_event_t* e) {
            return (e->response_type & 0x7f) == schaden + XCB_DAMAGE_NOTIFY;
        });
    }
    const double bild_ms = gemalt ? jetzt_ms() - beginn : -1;
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
    std::printf("start_ms=%.2f bild_ms=%.2f cpu_ms=%.2f maxrss_kib=%ld\n", start_ms, bild_ms,
                cpu_ms, verbrauch.ru_maxrss);
    return 0;
}
