/* Runs a program under the current X display and reports the time from its
 * start until its first window is mapped, and its peak resident memory.
 *
 *   ign_map_timer PROGRAM [ARGUMENTS...]
 *
 * Prints "<milliseconds> <peak kB>". The program is ended with SIGTERM once it
 * has shown its window and had SETTLE_MS more to finish drawing it. Exit 1 if
 * no window comes within 30 s. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kSettleMs = 300, kDeadlineMs = 30000 };

static double NowMs(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
}

/* Waits for a MapNotify of a window that is not a popup; 0 when one came. */
static int WaitForMap(Display* display, double deadline) {
  const int fd = ConnectionNumber(display);
  for (;;) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect) return 0;
    }
    const double left = deadline - NowMs();
    if (left <= 0) return 1;
    struct timeval timeout = {(time_t)(left / 1000), (suseconds_t)((long)left % 1000 * 1000)};
    fd_set read_set;
    FD_ZERO(&read_set);
    FD_SET(fd, &read_set);
    select(fd + 1, &read_set, NULL, NULL, &timeout);
  }
}

int main(int argc, char* argv[]) {
  if (argc < 2) {
    fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fprintf(stderr, "no X display\n");
    return 2;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  const double start = NowMs();
  const pid_t child = fork();
  if (child == 0) {
    close(ConnectionNumber(display));
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  const int missed = WaitForMap(display, start + kDeadlineMs);
  const double mapped = NowMs();

  usleep(kSettleMs * 1000);
  kill(child, SIGTERM);
  int status = 0;
  struct rusage usage;
  wait4(child, &status, 0, &usage);
  XCloseDisplay(display);
  if (missed) {
    fprintf(stderr, "%s: no window within %d ms\n", argv[1], kDeadlineMs);
    return 1;
  }
  printf("%.1f %ld\n", mapped - start, usage.ru_maxrss);
  return 0;
}
