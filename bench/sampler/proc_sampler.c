/* Reads the CPU time and peak memory of a Linux process from /proc: the
 * benchmark's view of a Wine program from outside, which puts nothing into the
 * program it measures.
 *
 *   proc_sampler PID PERIOD_US OUT   a line every PERIOD_US until PID ends or
 *                                    SIGTERM: "MS_OF_DAY TOTAL_NS MAIN_NS"
 *   proc_sampler --once PID          one line: "TOTAL_NS MAIN_NS HWM_KB"
 *
 * CPU time comes from each thread's schedstat (nanoseconds on the CPU, where
 * /proc/PID/stat counts whole 10 ms ticks); TOTAL_NS is the sum over the
 * process's threads, MAIN_NS its first thread's (a Wine program's main thread
 * runs its window procedure). MS_OF_DAY is local time in milliseconds since
 * midnight, the clock the substitutes stamp their logs with. */
#define _POSIX_C_SOURCE 200809L
#include <dirent.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static volatile sig_atomic_t gStop;

static void Stop(int signal) {
  (void)signal;
  gStop = 1;
}

/* The first field of a schedstat file; -1 when it cannot be read. */
static long long ThreadNs(const char* path) {
  long long ns = -1;
  FILE* f = fopen(path, "r");
  if (f == NULL) return -1;
  if (fscanf(f, "%lld", &ns) != 1) ns = -1;
  fclose(f);
  return ns;
}

/* Returns 0 when the process is gone. */
static int ProcessNs(int pid, long long* total, long long* main) {
  char path[300];
  struct dirent* entry;
  DIR* tasks;
  snprintf(path, sizeof path, "/proc/%d/task", pid);
  tasks = opendir(path);
  if (tasks == NULL) return 0;
  *total = 0;
  *main = 0;
  while ((entry = readdir(tasks)) != NULL) {
    long long ns;
    if (entry->d_name[0] < '0' || entry->d_name[0] > '9') continue;
    snprintf(path, sizeof path, "/proc/%d/task/%s/schedstat", pid, entry->d_name);
    ns = ThreadNs(path);
    if (ns < 0) continue;
    *total += ns;
    if (atoi(entry->d_name) == pid) *main = ns;
  }
  closedir(tasks);
  return 1;
}

static long PeakKb(int pid) {
  char path[64], line[256];
  long kb = -1;
  FILE* f;
  snprintf(path, sizeof path, "/proc/%d/status", pid);
  f = fopen(path, "r");
  if (f == NULL) return -1;
  while (fgets(line, sizeof line, f) != NULL) {
    if (strncmp(line, "VmHWM:", 6) == 0) kb = strtol(line + 6, NULL, 10);
  }
  fclose(f);
  return kb;
}

static double MsOfDay(void) {
  struct timespec now;
  struct tm local;
  clock_gettime(CLOCK_REALTIME, &now);
  localtime_r(&now.tv_sec, &local);
  return ((local.tm_hour * 60.0 + local.tm_min) * 60.0 + local.tm_sec) * 1000.0 + now.tv_nsec / 1e6;
}

int main(int argc, char** argv) {
  long long total, main_ns;
  if (argc == 3 && strcmp(argv[1], "--once") == 0) {
    int pid = atoi(argv[2]);
    if (!ProcessNs(pid, &total, &main_ns)) return 1;
    printf("%lld %lld %ld\n", total, main_ns, PeakKb(pid));
    return 0;
  }
  if (argc != 4) {
    fprintf(stderr, "usage: proc_sampler PID PERIOD_US OUT | --once PID\n");
    return 64;
  }
  int pid = atoi(argv[1]);
  long period = atol(argv[2]);
  FILE* out = fopen(argv[3], "w");
  if (out == NULL || period <= 0) return 1;
  signal(SIGTERM, Stop);
  signal(SIGINT, Stop);
  struct timespec pause = {period / 1000000, (period % 1000000) * 1000};
  while (!gStop && ProcessNs(pid, &total, &main_ns)) {
    fprintf(out, "%.3f %lld %lld\n", MsOfDay(), total, main_ns);
    nanosleep(&pause, NULL);
  }
  fclose(out);
  return 0;
}
