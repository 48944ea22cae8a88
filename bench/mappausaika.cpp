// Starts a program and prints the milliseconds from its launch until the X server maps a top-level window with
// the given title, then the program's process id. The program is left running. Polling with xdotool would add
// tens of milliseconds per probe; listening for the server's MapNotify costs nothing.
// Usage: mappausaika TITLE PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

double ms_nyt() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

bool otsikko_on(Display* naytto, Window ikkuna, const char* otsikko) {
    char* nimi = nullptr;
    const bool sama = XFetchName(naytto, ikkuna, &nimi) != 0 && nimi != nullptr && std::strcmp(nimi, otsikko) == 0;
    if (nimi != nullptr) {
        XFree(nimi);
    }
    return sama;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: mappausaika TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* naytto = XOpenDisplay(nullptr);
    if (naytto == nullptr) {
        std::fprintf(stderr, "mappausaika: no X display\n");
        return 2;
    }
    // Without a window manager a top-level window is a child of the root, so the root hears of its mapping.
    XSelectInput(naytto, DefaultRootWindow(naytto), SubstructureNotifyMask);
    XSync(naytto, False);

    const double alku = ms_nyt();
    const pid_t pid = fork();
    if (pid == 0) {
        close(ConnectionNumber(naytto));
        execvp(argv[2], argv + 2);
        std::perror("mappausaika: exec");
        _exit(127);
    }
    if (pid < 0) {
        std::perror("mappausaika: fork");
        return 2;
    }
    const double raja = alku + 10000.0;
    for (;;) {
        while (XPending(naytto) > 0) {
            XEvent e;
            XNextEvent(naytto, &e);
            if (e.type == MapNotify && !e.xmap.override_redirect && otsikko_on(naytto, e.xmap.window, argv[1])) {
                std::printf("%.1f %d\n", ms_nyt() - alku, static_cast<int>(pid));
                return 0;
            }
        }
        const double jaljella = raja - ms_nyt();
        if (jaljella <= 0) {
            std::fprintf(stderr, "mappausaika: no window titled \"%s\" within 10 s\n", argv[1]);
            return 1;
        }
        pollfd p{ConnectionNumber(naytto), POLLIN, 0};
        poll(&p, 1, static_cast<int>(jaljella) + 1);
    }
}
