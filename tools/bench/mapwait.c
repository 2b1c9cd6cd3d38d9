/* mapwait: start a program and report how long it takes to map its window.
 *
 *   mapwait [-c CLASS] [-s SECONDS] [-t TIMEOUT] -- PROGRAM [ARGS...]
 *
 * Watches the root window of $DISPLAY for the first top-level window that is
 * mapped (not an override-redirect popup) and whose WM_CLASS name or class
 * contains CLASS (case-insensitive; any window when -c is not given). The
 * clock starts just before fork(). SECONDS (default 1) after the map it reads
 * Rss and Pss of the program from /proc/PID/smaps_rollup, then ends the
 * program's process group. Prints one line: "MS RSS_KIB PSS_KIB CPU_MS
 * PAINT_MS", or "timeout" / "exited" on stdout with exit status 1. CPU_MS is
 * the processor time all the program's threads had used when the map was
 * seen: less disturbed than the wall time when the machine is busy. PAINT_MS
 * is the time until the program first drew into that window (or one of its
 * subwindows) after the map, as the Damage extension reports it; -1 when
 * the server lacks the extension or nothing was drawn within SECONDS.
 *
 * Meant for a private X server with no window manager, where top-level
 * windows are children of the root and their MapNotify reaches the root.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static int class_matches(Display* dpy, Window w, const char* want) {
    if (!want) return 1;
    XClassHint hint = {0, 0};
    if (!XGetClassHint(dpy, w, &hint)) return 0;
    int ok = (hint.res_name && strcasestr(hint.res_name, want)) ||
             (hint.res_class && strcasestr(hint.res_class, want));
    if (hint.res_name) XFree(hint.res_name);
    if (hint.res_class) XFree(hint.res_class);
    return ok;
}

static long smaps_field(const char* text, const char* field) {
    const char* at = strstr(text, field);
    return at ? strtol(at + strlen(field), NULL, 10) : -1;
}

/* Time on a processor so far, summed over the threads, in milliseconds. */
static double cpu_ms(pid_t pid) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* dir = opendir(path);
    if (!dir) return -1;
    double total = 0;
    struct dirent* entry;
    while ((entry = readdir(dir))) {
        if (entry->d_name[0] == '.') continue;
        char file[352];
        snprintf(file, sizeof file, "%s/%s/schedstat", path, entry->d_name);
        FILE* f = fopen(file, "r");
        if (!f) continue;
        unsigned long long ns = 0;
        if (fscanf(f, "%llu", &ns) == 1) total += ns / 1e6;
        fclose(f);
    }
    closedir(dir);
    return total;
}

/* Damage objects on the top-level windows, made as each is created: by the
 * time its MapNotify arrives the program may already be drawing. */
#define MAX_TRACKED 64
static struct {
    Window window;
    Damage damage;
} tracked[MAX_TRACKED];
static int tracked_count;

static void track(Display* dpy, Window w) {
    if (tracked_count < MAX_TRACKED) {
        tracked[tracked_count].window = w;
        tracked[tracked_count].damage = XDamageCreate(dpy, w, XDamageReportNonEmpty);
        tracked_count++;
    }
}

static void stop(pid_t pid) {
    kill(-pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, NULL, WNOHANG) == pid) {
            kill(-pid, SIGKILL); /* helpers it left behind */
            return;
        }
        usleep(10000);
    }
    kill(-pid, SIGKILL);
    waitpid(pid, NULL, 0);
}

static int ignore_errors(Display* dpy, XErrorEvent* e) {
    (void)dpy;
    (void)e;
    return 0; /* a window may be gone before we look at it */
}

int main(int argc, char** argv) {
    const char* want = NULL;
    double settle = 1.0, timeout = 20.0;
    int opt;
    while ((opt = getopt(argc, argv, "+c:s:t:")) != -1) {
        switch (opt) {
            case 'c': want = optarg; break;
            case 's': settle = atof(optarg); break;
            case 't': timeout = atof(optarg); break;
            default: goto usage;
        }
    }
    if (optind >= argc) {
    usage:
        fprintf(stderr, "usage: mapwait [-c CLASS] [-s SECONDS] [-t TIMEOUT] -- PROGRAM [ARGS...]\n");
        return 2;
    }

    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "mapwait: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    int damage_event = 0, damage_error = 0;
    const int have_damage = XDamageQueryExtension(dpy, &damage_event, &damage_error);
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        close(ConnectionNumber(dpy));
        execvp(argv[optind], argv + optind);
        _exit(127);
    }
    if (pid < 0) return 2;
    setpgid(pid, pid);

    double mapped = -1, cpu = -1;
    Window window = None;
    const int fd = ConnectionNumber(dpy);
    while (mapped < 0) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (have_damage && ev.type == CreateNotify && !ev.xcreatewindow.override_redirect) {
                track(dpy, ev.xcreatewindow.window);
                XFlush(dpy);
            }
            if (ev.type == MapNotify && !ev.xmap.override_redirect &&
                class_matches(dpy, ev.xmap.window, want)) {
                mapped = now_ms();
                cpu = cpu_ms(pid);
                window = ev.xmap.window;
                break;
            }
        }
        if (mapped >= 0) break;
        if (waitpid(pid, NULL, WNOHANG) == pid) {
            puts("exited");
            return 1;
        }
        const double left = start + timeout * 1e3 - now_ms();
        if (left <= 0) {
            puts("timeout");
            stop(pid);
            return 1;
        }
        struct pollfd p = {fd, POLLIN, 0};
        poll(&p, 1, left < 50 ? (int)left + 1 : 50);
    }

    /* The first drawing into the mapped window after its map. */
    double painted = -1;
    Damage damage = None;
    for (int i = 0; i < tracked_count; ++i)
        if (tracked[i].window == window) damage = tracked[i].damage;
    const double settle_end = mapped + settle * 1e3;
    if (damage != None) {
        XDamageSubtract(dpy, damage, None, None); /* forget what came before the map */
        XFlush(dpy);
    }
    while (damage != None && painted < 0) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == damage_event + XDamageNotify &&
                ((XDamageNotifyEvent*)&ev)->damage == damage) {
                painted = now_ms();
                break;
            }
        }
        const double left = settle_end - now_ms();
        if (painted >= 0 || left <= 0) break;
        struct pollfd p = {fd, POLLIN, 0};
        poll(&p, 1, (int)left + 1);
    }
    const double left = settle_end - now_ms();
    if (left > 0) usleep((useconds_t)(left * 1e3));
    char path[64], text[4096] = "";
    snprintf(path, sizeof path, "/proc/%d/smaps_rollup", (int)pid);
    FILE* f = fopen(path, "r");
    if (f) {
        size_t n = fread(text, 1, sizeof text - 1, f);
        text[n] = 0;
        fclose(f);
    }
    printf("%.1f %ld %ld %.1f %.1f\n", mapped - start, smaps_field(text, "\nRss:"),
           smaps_field(text, "\nPss:"), cpu, painted < 0 ? -1.0 : painted - start);
    fflush(stdout);
    stop(pid);
    XCloseDisplay(dpy);
    return 0;
}
