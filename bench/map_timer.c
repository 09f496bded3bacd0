/* Starts a program and prints the milliseconds from its exec to the first
 * window mapped on the screen, then its process id, and leaves it running:
 *     map_timer PROGRAM [ARG...]
 * It watches the root window for MapNotify, so a window manager's frame counts
 * as the program's window being mapped. Built by bench/startup.sh. */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: map_timer PROGRAM [ARG...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "map_timer: cannot open the display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True); /* nothing mapped before the start counts */
    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        perror("map_timer: exec");
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            printf("%.1f %d\n", now_ms() - start, (int)pid);
            fflush(stdout);
            XCloseDisplay(display);
            return 0;
        }
    }
}
