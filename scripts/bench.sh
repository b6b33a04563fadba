#!/usr/bin/env bash
# The benchmark: spoolcat.exe against the baselines in bench/, under Wine with
# the substitute robot and player at their smallest delays.
#
#   scripts/bench.sh [--quick] [--runs N] [--only METRIC,...]
#
# Each metric runs the program (A), the same-window baseline (C: the same
# window and steps in plain C, bench/same_window.c) and the bare baseline
# without the window (B), interleaved, A C B A C B, N times each (5): a round
# is one A, one C and one B. It prints min, median and max of each side, and
# the ratios A/C of the rounds (A and C of the same round): their median
# against the goal, with their spread (min and max; from 7 rounds on the
# interquartile range too) and whether the whole spread is within the goal;
# C/B the same way, as information (what the window itself costs); and the
# per-disc breakdown of the job's CPU.
# Raw figures go to build/bench/; nothing in the repository changes. Ends with
# "bench: N of M within goal" and exits non-zero when a ratio misses its goal.
#
# --quick   each metric once, the long job 100 discs instead of 500 (flatness
#           then compares discs 91-100 with 1-10) and the idle metrics 15 s
#           instead of 60 s: for checking the script, not for figures.
# --only    a comma-separated subset of: wall20 cpu20 flatness startup
#           idle_ready idle_loading memory size breakdown
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

runs=5
long_discs=500
idle_s=60
only=""
quick=false
while [ $# -gt 0 ]; do
  case "$1" in
    --quick)
      quick=true
      runs=1
      long_discs=100
      idle_s=15
      ;;
    --runs)
      runs="$2"
      shift
      ;;
    --only)
      only="$2"
      shift
      ;;
    *)
      sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//'
      exit 64
      ;;
  esac
  shift
done

say() { echo "bench: $*" >&2; }
wanted() { [ -z "$only" ] || [[ ",$only," == *",$1,"* ]]; }

out="$root/build/bench"
rm -rf "$out/raw"
mkdir -p "$out/raw"
values="$out/values.tsv"
: >"$values"

bash scripts/deps.sh bench >&2

say "building"
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target spoolcat_release spoolcat_timed ketmgr wmplayer scprobe \
  bare_start bare_timers bare_driver same_window >"$out/build.log" 2>&1 || {
  tail -30 "$out/build.log"
  exit 1
}
cc -O2 -Wall -Wextra -o "$out/proc_sampler" bench/sampler/proc_sampler.c
sampler="$out/proc_sampler"
cc -O2 -Wall -Wextra -o "$out/park_pointer" bench/sampler/park_pointer.c -lX11
# spoolcat.exe is the release tree's (the Windows build brings it up to date).
exe_of() {
  find "$root/build/release" "$root/build/windows" -name "$1.exe" -not -path '*/CMakeFiles/*' 2>/dev/null |
    head -1
}

source scripts/wine-env.sh
started=() # the wine launchers of the programs this script starts
SCPROBE="$(exe_of scprobe)"
export SCPROBE
parked=""
cleanup() {
  [ -z "$parked" ] || kill "$parked" 2>/dev/null || true
  if declare -F kill_ours >/dev/null; then kill_ours; fi
  wine_env_down
}
trap cleanup EXIT
# A fresh prefix each time; a server or display left by an interrupted run
# goes first.
wine_env_down "$root/build/wine/bench"
rm -rf "$root/build/wine/bench"
wine_env_up "$root/build/wine/bench" --xvfb
# No window manager: without this, Wine waits 2 s for each hidden window.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null

drive_c="$WINEPREFIX/drive_c"
dir="$drive_c/bench"
mkdir -p "$dir/players"
for t in spoolcat spoolcat_timed ketmgr bare_start bare_timers bare_driver same_window; do cp "$(exe_of "$t")" "$dir/"; done
cp "$(exe_of wmplayer)" "$dir/players/"
printf 'rip_ms = 0\n' >"$dir/players/wmplayer.ini"
wine 'C:\bench\players\wmplayer.exe' --register >/dev/null 2>&1
player_path='C:\bench\players\wmplayer.exe'
probe() { wine "$SCPROBE" "$@" | tr -d '\r'; }
# Away from the windows measured: see bench/sampler/park_pointer.c.
"$out/park_pointer" &
parked=$!

# --- Processes ---------------------------------------------------------------

# The Linux processes of this prefix's Windows programs named $1 (their first
# argument is the Windows path of the exe).
pids_of() {
  local p argv0
  for p in /proc/[0-9]*; do
    argv0=""
    { IFS= read -r -d '' argv0 <"$p/cmdline"; } 2>/dev/null || true
    [[ "${argv0,,}" == *"\\$1" ]] || continue
    tr '\0' '\n' 2>/dev/null <"$p/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
    echo "${p#/proc/}"
  done
}

wait_pid_of() {
  local pid
  for _ in $(seq 1 300); do
    pid="$(pids_of "$1" | head -1)"
    [ -n "$pid" ] && echo "$pid" && return 0
    sleep 0.05
  done
  say "no process $1"
  return 1
}

# Ends every program this script started in the prefix, by process id.
kill_ours() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  local name pids
  for name in spoolcat.exe spoolcat_timed.exe same_window.exe bare_start.exe bare_timers.exe \
    bare_driver.exe wmplayer.exe ketmgr.exe; do
    pids="$(pids_of "$name")"
    [ -z "$pids" ] || kill -9 $pids 2>/dev/null || true
  done
  # Only the launchers started here: Xvfb is a child of this shell too.
  [ ${#started[@]} -eq 0 ] || wait "${started[@]}" 2>/dev/null || true
  started=()
}

start() {
  wine "C:\\bench\\$1" "${@:2}" >/dev/null 2>&1 &
  started+=($!)
}

# --- The robot and its log ---------------------------------------------------

log="$dir/ketmgr.log"
player_log="$dir/players/wmplayer.log"

reset_robot() { # discs [more robot.ini lines]
  rm -f "$dir/robot.state" "$log" "$player_log" "$WINE_ENV_DIR/cdrom/simdisc.txt"
  {
    printf 'discs = %s\nwriter = E: Writer 1\n' "$1"
    printf 'check_delay_ms = 0\nload_delay_ms = 0\narrival_delay_ms = 0\nunload_delay_ms = 0\n'
    printf '%s\n' "${@:2}"
  } >"$dir/robot.ini"
}

wait_log() { # extended regex, seconds
  local tries=$(($2 * 20))
  for _ in $(seq 1 "$tries"); do
    grep -qE "$1" "$log" 2>/dev/null && return 0
    sleep 0.05
  done
  say "no \"$1\" in ketmgr.log within $2 s"
  return 1
}

# Milliseconds since local midnight, the clock of the substitutes' logs.
now_ms() { date +%H:%M:%S.%N | awk -F'[:.]' '{ print (($1 * 60 + $2) * 60 + $3) * 1000 + substr($4, 1, 3) }'; }
log_ms() { # extended regex: time of its first line
  grep -m1 -E "$1" "$log" | awk '{ split($2, t, /[:.]/); print ((t[1] * 60 + t[2]) * 60 + t[3]) * 1000 + t[4] }'
}

record() { echo "$1 $2 $3 $4" >>"$values"; } # metric side run value

# --- Metrics -----------------------------------------------------------------

# Start-up: from starting the exe to the manager logging the "Check" command.
startup_run() { # side run
  reset_robot 1 'record_only = 1'
  local t0 t1 exe=bare_start.exe
  [ "$1" = program ] && exe=spoolcat.exe
  [ "$1" = same ] && exe=same_window.exe
  t0="$(now_ms)"
  if [ "$1" = same ]; then start "$exe" "$player_path"; else start "$exe"; fi
  wait_log 'COMMAND --caller Spoolcat: --action Check' 30
  t1="$(log_ms 'COMMAND --caller Spoolcat: --action Check')"
  record startup "$1" "$2" "$((t1 - t0))"
  kill_ours
}

# CPU time of the whole process over the idle period, in ms.
idle_cpu() { # metric side run pid
  local c0 c1
  # Past the start-up's last paints and the first ticks.
  sleep 3
  c0="$("$sampler" --once "$4" | cut -d' ' -f1)"
  sleep "$idle_s"
  c1="$("$sampler" --once "$4" | cut -d' ' -f1)"
  record "$1" "$2" "$3" "$(awk -v a="$c0" -v b="$c1" 'BEGIN { printf "%.2f", (b - a) / 1e6 }')"
}

# The program or the same-window baseline, started and shown at "Ready"; its
# process id in ready_pid (not a subshell: start keeps its launchers).
start_ready() { # side
  local exe=spoolcat.exe
  if [ "$1" = same ]; then
    exe=same_window.exe
    start "$exe" "$player_path"
  else
    start "$exe"
  fi
  ready_pid="$(wait_pid_of "$exe")"
  probe wait-text "Spoolcat:" 1002 Ready 30000 >/dev/null
}

idle_ready_run() { # side run
  reset_robot 1
  local pid
  if [ "$1" != baseline ]; then
    start_ready "$1"
    pid="$ready_pid"
  else
    start bare_timers.exe
    pid="$(wait_pid_of bare_timers.exe)"
    probe wait-window "Spoolcat:" 30000 >/dev/null
  fi
  idle_cpu idle_ready "$1" "$2" "$pid"
  kill_ours
}

# A load the manager logs and never answers: the status line animates.
idle_loading_run() { # side run
  reset_robot 1
  local pid
  if [ "$1" != baseline ]; then
    start_ready "$1"
    pid="$ready_pid"
    echo 'record_only = 1' >>"$dir/robot.ini"
    probe click "Spoolcat:" 1004 >/dev/null
    wait_log 'COMMAND .*--action load' 30
    probe wait-text "Spoolcat:" 1002 "Disc Loading" 30000 >/dev/null
  else
    start bare_timers.exe loading
    pid="$(wait_pid_of bare_timers.exe)"
    probe wait-window "Spoolcat:" 30000 >/dev/null
  fi
  idle_cpu idle_loading "$1" "$2" "$pid"
  kill_ours
}

# A whole job of $3 discs. The sampler follows the process's CPU from just
# before the start click to the Release; the analysis cuts it at the logged
# events of each disc.
job_run() { # side run discs
  local side="$1" run="$2" discs="$3" pid spid exe
  reset_robot "$discs"
  if [ "$side" = program ]; then
    exe=spoolcat.exe
    start spoolcat.exe
  elif [ "$side" = same ]; then
    exe=same_window.exe
    start same_window.exe "$player_path"
  else
    exe=bare_driver.exe
    start bare_driver.exe "$player_path"
  fi
  pid="$(wait_pid_of "$exe")"
  wait_log 'NOTICE .*action="Check" .*delivered' 30
  [ "$side" != baseline ] && probe wait-text "Spoolcat:" 1002 Ready 30000 >/dev/null
  local base="$out/raw/job$discs-$side-$run"
  "$sampler" "$pid" 2000 "$base.cpu" &
  spid=$!
  sleep 0.3
  probe click "Spoolcat:" 1004 >/dev/null
  wait_log 'RELEASE' $((discs * 3 + 60))
  sleep 0.2
  kill "$spid"
  wait "$spid" 2>/dev/null || true
  "$sampler" --once "$pid" >"$base.once"
  cp "$log" "$base.ketmgr.log"
  cp "$player_log" "$base.player.log"
  kill_ours
  awk -f bench/job_figures.awk "$base.cpu" "$base.ketmgr.log" >"$base.figures"
  local figures
  figures="$(cat "$base.figures")"
  echo "$figures" | awk -v s="$side" -v r="$run" -v d="$discs" -v hwm="$(cut -d' ' -f3 "$base.once")" '
    $1 == "wall_per_disc" { print "wall" d, s, r, $2 }
    $1 == "cpu_per_disc"  { print "cpu" d, s, r, $2 }
    $1 == "cpu_first10"   { print "first10_" d, s, r, $2 }
    $1 == "cpu_last10"    { print "last10_" d, s, r, $2 }
    $1 == "phase"         { print "phase_" $2 "_" $3 "_" d, s, r, $4 }
    END                   { print "hwm" d, s, r, hwm }' >>"$values"
}

# The per-handler breakdown: spoolcat_timed.exe (the program with a clock
# around each handler of its window thread, bench/handler_times/) runs one job
# and is closed by "Exit", which writes its times.
breakdown_run() { # discs
  reset_robot "$1"
  rm -f "$dir/handler_times.txt"
  start spoolcat_timed.exe
  local pid
  pid="$(wait_pid_of spoolcat_timed.exe)"
  probe wait-text "Spoolcat:" 1002 Ready 30000 >/dev/null
  probe click "Spoolcat:" 1004 >/dev/null
  wait_log 'RELEASE' $(($1 * 3 + 60))
  probe wait-text "Spoolcat:" 1002 "Job Done" 30000 >/dev/null
  probe click "Spoolcat:" 1007 >/dev/null
  for _ in $(seq 1 200); do
    [ -d "/proc/$pid" ] || break
    sleep 0.1
  done
  kill_ours
  cp "$dir/handler_times.txt" "$out/raw/handler_times-$1.txt"
}

# --- Running the metrics -----------------------------------------------------

# A metric's runs, interleaved: the program, the same-window baseline, the
# bare baseline, N times.
interleaved() { # label run-function [arguments after side and run]
  local label="$1" run_side="$2" i
  shift 2
  for i in $(seq 1 "$runs"); do
    say "$label, run $i"
    "$run_side" program "$i" "$@"
    "$run_side" same "$i" "$@"
    "$run_side" baseline "$i" "$@"
  done
}

if wanted startup; then interleaved "start-up" startup_run; fi
if wanted wall20 || wanted cpu20; then interleaved "20-disc job" job_run 20; fi
if wanted flatness || wanted memory; then interleaved "$long_discs-disc job" job_run "$long_discs"; fi
if wanted idle_ready; then interleaved "idle at Ready (${idle_s} s)" idle_ready_run; fi
if wanted idle_loading; then
  interleaved "idle during an unanswered load (${idle_s} s)" idle_loading_run
fi
if wanted breakdown; then
  say "per-handler breakdown: one $long_discs-disc job of spoolcat_timed.exe"
  breakdown_run "$long_discs"
fi
wanted size && record size program 1 "$(stat -c %s "$dir/spoolcat.exe")"

# --- The table ---------------------------------------------------------------

# "min median max" of one metric's side, or nothing.
stats() { # metric side
  awk -v m="$1" -v s="$2" '$1 == m && $2 == s { print $4 }' "$values" | sort -g |
    awk '{ v[NR] = $1 } END {
      if (NR == 0) exit
      med = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      printf "%s %s %s\n", f(v[1]), f(med), f(v[NR]) }
    function f(x) { return x >= 100 ? sprintf("%.0f", x) : sprintf("%.3g", x) }'
}

within=0
metrics=0
report="$out/report.txt"
: >"$report"
line() { echo "$*" | tee -a "$report"; }
fmt() { [ -n "$1" ] && awk -v a="$1" 'BEGIN { split(a, v, " "); printf "%s / %s / %s", v[1], v[2], v[3] }' || echo "-"; }

# The ratios of one round each, A of the round over B of the same round (B
# may be a constant "=N"), one a line.
round_ratios() { # metricA sideA metricB sideB
  awk -v ma="$1" -v sa="$2" -v mb="$3" -v sb="$4" '
    $1 == ma && $2 == sa { a[$3] = $4 }
    $1 == mb && $2 == sb { b[$3] = $4 }
    END { for (r in a) {
            d = substr(sb, 1, 1) == "=" ? substr(sb, 2) : ((r in b) ? b[r] : 0)
            if (d > 0) printf "%.4f\n", a[r] / d } }' "$values"
}
# "median min max q1 q3" of numbers, one a line; nothing for none. The
# quartiles are the medians of the lower and the upper half.
spread() {
  sort -g | awk '{ v[NR] = $1 } END {
      if (NR == 0) exit
      printf "%.3f %.3f %.3f %.3f %.3f\n", mid(1, NR), v[1], v[NR],
        mid(1, int(NR / 2)), mid(NR - int(NR / 2) + 1, NR) }
    function mid(from, to,   n) { n = to - from + 1; if (n < 1) return v[from]
      return n % 2 ? v[from + (n - 1) / 2] : (v[from + n / 2 - 1] + v[from + n / 2]) / 2 }'
}
# One row: each side's min / median / max, and the median of the rounds'
# ratios with their spread, against a goal that counts ("≤ G"), or as
# information ("-"). The goal is met when the median is within it; the row
# also says whether the whole spread is.
row() { # name unit metricA sideA metricB sideB goal
  local a b s median lo hi q1 q3 shown verdict
  a="$(stats "$3" "$4")"
  if [[ "$6" == =* ]]; then b="${6#=} ${6#=} ${6#=}"; else b="$(stats "$5" "$6")"; fi
  s="$(round_ratios "$3" "$4" "$5" "$6" | spread)"
  shown="-"
  if [ -n "$s" ]; then
    read -r median lo hi q1 q3 <<<"$s"
    shown="$median ($lo-$hi)"
    [ "$runs" -ge 7 ] && shown="$median ($lo-$hi; IQR $q1-$q3)"
  fi
  if [ "$7" = "-" ]; then
    verdict="information"
  else
    metrics=$((metrics + 1))
    if [ -n "$s" ] && awk -v r="$median" -v g="$7" 'BEGIN { exit !(r <= g) }'; then
      within=$((within + 1))
      verdict="ok"
      awk -v r="$hi" -v g="$7" 'BEGIN { exit !(r <= g) }' && verdict="ok, all rounds" ||
        verdict="ok, not all rounds"
    else
      verdict="MISSED"
    fi
  fi
  line "| $1 | $2 | $(fmt "$a") | $(fmt "$b") | $shown | $([ "$7" = - ] && echo - || echo "≤ $7") | $verdict |"
}

# Flatness: a side's CPU per disc over its last ten discs against its first
# ten, run by run; its "min median max" over the runs.
flatness_of() { # side discs
  local i first last
  for i in $(seq 1 "$runs"); do
    first="$(awk -v m="first10_$2" -v s="$1" -v r="$i" '$1 == m && $2 == s && $3 == r { print $4 }' "$values")"
    last="$(awk -v m="last10_$2" -v s="$1" -v r="$i" '$1 == m && $2 == s && $3 == r { print $4 }' "$values")"
    [ -n "$first" ] && [ -n "$last" ] && awk -v a="$last" -v b="$first" -v s="$1" -v r="$i" -v d="$2" \
      'BEGIN { if (b > 0) printf "flat%s %s %s %.4f\n", d, s, r, a / b }' >>"$values"
  done
  return 0
}

L="$long_discs"
if wanted flatness; then
  for side in program same baseline; do flatness_of "$side" "$L"; done
fi
line ""
line "Spoolcat benchmark, $(date '+%Y-%m-%d %H:%M'), $(nproc) cores, $runs run(s) a side$($quick && echo ', quick mode')"
line ""
line "A: spoolcat.exe. C: the same window in plain C (same_window.exe). The goals are A/C:"
line "the median of the rounds' ratios (A and C of one round), with their min-max."
line ""
line "| Metric | Unit | A: min / median / max | C: min / median / max | A/C by round: median (min-max) | Goal | |"
line "|---|---|---|---|---|---|---|"
wanted wall20 && row "wall time per disc, 20 discs" "ms" wall20 program wall20 same 1.10
wanted cpu20 && row "CPU per disc, 20 discs" "ms" cpu20 program cpu20 same 1.10
wanted flatness && row "flatness: CPU per disc, discs $((L - 9))-$L / 1-10" "ratio" "flat$L" program "flat$L" same 1.10
wanted startup && row "start-up to Check" "ms" startup program startup same 1.10
wanted idle_ready && row "idle CPU ${idle_s} s at Ready" "ms" idle_ready program idle_ready same 1.10
wanted idle_loading && row "idle CPU ${idle_s} s, unanswered load" "ms" idle_loading program idle_loading same 1.10
wanted memory && row "peak resident memory after $L discs" "KiB" "hwm$L" program "hwm$L" same 1.10
wanted size && row "spoolcat.exe size / 1 MiB" "bytes" size program - =1048576 1.0

line ""
line "C against the bare baselines without the window (B: bare_driver, bare_start, bare_timers):"
line "what the window itself costs, as information."
line ""
line "| Metric | Unit | C: min / median / max | B: min / median / max | C/B by round: median (min-max) | | |"
line "|---|---|---|---|---|---|---|"
wanted wall20 && row "wall time per disc, 20 discs" "ms" wall20 same wall20 baseline -
wanted cpu20 && row "CPU per disc, 20 discs" "ms" cpu20 same cpu20 baseline -
wanted flatness && row "flatness, discs $((L - 9))-$L / 1-10" "ratio" "flat$L" same "flat$L" baseline -
wanted startup && row "start-up to Check (B: bare window)" "ms" startup same startup baseline -
wanted idle_ready && row "idle CPU ${idle_s} s at Ready (B: bare timers)" "ms" idle_ready same idle_ready baseline -
wanted idle_loading && row "idle CPU ${idle_s} s, unanswered load (B: bare timers)" "ms" idle_loading same idle_loading baseline -
wanted memory && row "peak resident memory after $L discs" "KiB" "hwm$L" same "hwm$L" baseline -

if wanted breakdown && [ -f "$out/raw/handler_times-$L.txt" ]; then
  line ""
  line "Window-thread handlers of one $L-disc job (spoolcat_timed.exe; wall time inside each top-level handler)"
  line ""
  awk -v discs="$L" -f bench/handler_times.awk "$out/raw/handler_times-$L.txt" | tee -a "$report"
fi

if wanted flatness || wanted cpu20; then
  line ""
  line "CPU per disc by phase (ms, median over runs of the mean over ten discs; A program, C same window, B bare driver)"
  line ""
  line "| Phase | A 20: 1-10 | C 20: 1-10 | A $L: 1-10 | A $L: $((L - 9))-$L | C $L: 1-10 | C $L: $((L - 9))-$L | B $L: 1-10 | B $L: $((L - 9))-$L |"
  line "|---|---|---|---|---|---|---|---|---|"
  med() { stats "$1" "$2" | awk '{ print $2 }'; }
  for phase in load loaded unload unloaded; do
    line "| $phase | $(med "phase_${phase}_first_20" program) | $(med "phase_${phase}_first_20" same) | $(med "phase_${phase}_first_$L" program) | $(med "phase_${phase}_last_$L" program) | $(med "phase_${phase}_first_$L" same) | $(med "phase_${phase}_last_$L" same) | $(med "phase_${phase}_first_$L" baseline) | $(med "phase_${phase}_last_$L" baseline) |"
  done
fi

line ""
line "Raw figures: build/bench/values.tsv (metric side run value) and build/bench/raw/"
line "bench: $within of $metrics within goal"
[ "$within" -eq "$metrics" ]
