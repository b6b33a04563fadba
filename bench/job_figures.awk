# The figures of one benchmarked job, from two files:
#   1. proc_sampler's samples: "MS_OF_DAY TOTAL_NS MAIN_NS"
#   2. the robot's ketmgr.log
# Each disc's CPU is the process's CPU time between logged events, read from
# the last sample at or before each event. The robot logs a notice once its
# send has returned, that is once the window has stored it; its phases follow
# each other in time whatever the window does meanwhile:
#   load      load command logged   -> its notice sent: the manager at work,
#             the window idle but for its timers
#   loaded    load notice sent      -> unload command logged: the arrival, the
#             load answer's handling (10 ms later), the player's eject, the
#             removal handler and the unload command it starts
#   unload    unload command logged -> its notice sent
#   unloaded  unload notice sent    -> next load command logged: the unload
#             answer's handling (10 ms later) and the load command it starts
# Paints follow each state change within the same phase. Where the handlers
# go within "loaded", spoolcat_timed.exe tells (handler_times.awk).

function ms(stamp, t) {
  split(stamp, t, /[:.]/)
  return unwrap(((t[1] * 60 + t[2]) * 60 + t[3]) * 1000 + t[4])
}
# A job that runs past midnight keeps counting up.
function unwrap(t) {
  if (origin == "") origin = t
  return t < origin - 43200000 ? t + 86400000 : t
}
function cpu(t, lo, hi, mid) {
  if (n == 0 || t < when[1]) return total[1]
  lo = 1
  hi = n
  while (lo < hi) {
    mid = int((lo + hi + 1) / 2)
    if (when[mid] <= t) lo = mid
    else hi = mid - 1
  }
  return total[lo]
}
function span(from, to) { return (cpu(to) - cpu(from)) / 1e6 }

FNR == 1 { file++ }
file == 1 { n++; when[n] = unwrap($1); total[n] = $2; next }
file == 2 && /COMMAND .*--action load/ { loads++; a[loads] = ms($2); next }
file == 2 && /NOTICE .*action="load" .*result="OK"/ { ok++; b[loads] = ms($2); next }
file == 2 && /COMMAND .*--action (unload|reject)/ { e[loads] = ms($2); next }
file == 2 && /NOTICE .*action="(unload|reject)"/ { f[loads] = ms($2); next }
file == 2 && / RELEASE / { release = ms($2); next }

function window(label, from, to, k, count, sum, p) {
  count = 0
  sum = 0
  for (k = from; k <= to; k++) {
    if (!(k in b) || !(k in e) || !(k in f) || !((k + 1) in a)) continue
    count++
    sum += span(a[k], a[k + 1])
    p["load"] += span(a[k], b[k])
    p["loaded"] += span(b[k], e[k])
    p["unload"] += span(e[k], f[k])
    p["unloaded"] += span(f[k], a[k + 1])
  }
  if (count == 0) return
  printf "cpu_%s %.3f\n", label == "first" ? "first10" : "last10", sum / count
  for (name in p) printf "phase %s %s %.3f\n", name, label, p[name] / count
}

END {
  if (ok == 0 || release == "" || !(1 in a)) {
    print "error no-complete-job"
    exit 1
  }
  printf "discs %d\n", ok
  printf "wall_per_disc %.3f\n", (release - a[1]) / ok
  printf "cpu_per_disc %.3f\n", span(a[1], release) / ok
  window("first", 1, ok < 10 ? ok : 10)
  window("last", ok > 10 ? ok - 9 : 1, ok)
}
