#!/usr/bin/env bash
# Shows that bench/same_window.exe is the window spoolcat.exe is: both run in
# turn on Wine's own desktop with the substitute robot manager and players,
# and their pictures and the manager's logs are compared.
#
#   scripts/same-window-shots.sh [OUTDIR]     (default build/same-window)
#
# Each program runs twice. First a job of 3 discs: a picture at "Ready"
# (Windows Media Player chosen), one mid-job at "Disc Loaded .." and one at
# "Job Done"; the manager's log of the job is kept. Then a click on the iTunes
# item (1101) and a picture with the options shown. Each pair is compared
# pixel by pixel (ImageMagick's `compare -metric AE`, the count of differing
# pixels, with a picture of where they are), and so are the commands of the
# two logs, their whole sequence of events (times and process ids left out)
# and the controls as another program finds them (scprobe controls). Writes
# OUTDIR/<program>-<picture>.png, OUTDIR/diff-<picture>.png, the logs and
# OUTDIR/report.txt; exits non-zero when a picture or the commands differ.
# Uses its own prefix (build/wine/shots, kept between runs); about 2 minutes
# once built.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
out="${1:-$root/build/same-window}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

say() { echo "same-window: $*" >&2; }

bash scripts/deps.sh bench >&2
say "building"
cmake --preset windows >/dev/null
cmake --build --preset windows -j2 --target same_window spoolcat_release ketmgr wmplayer itunes \
  scprobe >"$out/build.log" 2>&1 || {
  tail -30 "$out/build.log"
  exit 1
}
cc -O2 -Wall -Wextra -o "$out/park_pointer" bench/sampler/park_pointer.c -lX11

built="$root/build/windows"
export SCPROBE="$built/tools/probe/scprobe.exe"

source scripts/wine-env.sh
parked=""
cleanup() {
  [ -z "$parked" ] || kill "$parked" 2>/dev/null || true
  wine_env_down
}
trap cleanup EXIT
wine_env_up "$root/build/wine/shots" --xvfb --reuse
drive_c="$WINEPREFIX/drive_c"
# Away from the windows: a themed button under the pointer is drawn hot.
"$out/park_pointer" &
parked=$!

desktop=Shots
probe() { wine "$SCPROBE" --desktop "$desktop" "$@" </dev/null | tr -d '\r'; }

say "installing into C:\\Shots and C:\\Players"
dir="$drive_c/Shots"
rm -rf "$dir" "$drive_c/Players" "$WINE_ENV_DIR/cdrom"/*
mkdir -p "$dir" "$drive_c/Players/Windows Media Player" "$drive_c/Players/iTunes"
cp "$root/build/release/src/spoolcat.exe" "$built/bench/same_window.exe" \
  "$built/tools/robot-sim/ketmgr.exe" "$dir/"
cp "$built/tools/player-sim/wmplayer.exe" "$drive_c/Players/Windows Media Player/"
cp "$built/tools/player-sim/itunes.exe" "$drive_c/Players/iTunes/"
# Long enough to find the status line at a given count of dots mid-job.
printf 'rip_ms = 5000\n' >"$drive_c/Players/Windows Media Player/wmplayer.ini"
wine 'C:\Players\Windows Media Player\wmplayer.exe' --register </dev/null >/dev/null 2>&1
wine 'C:\Players\iTunes\itunes.exe' --register </dev/null >/dev/null 2>&1
player='C:\Players\Windows Media Player\wmplayer.exe'
log="$dir/ketmgr.log"

# A fresh stack of 3 discs, no settings of the program's (Windows Media Player
# is then its choice), nothing left in the drive.
reset() {
  rm -f "$dir/robot.state" "$log" "$WINE_ENV_DIR/cdrom/simdisc.txt"
  printf 'discs = 3\nwriter = E: Writer 1\ncheck_delay_ms = 0\nload_delay_ms = 0\n' >"$dir/robot.ini"
  printf 'arrival_delay_ms = 0\nunload_delay_ms = 0\n' >>"$dir/robot.ini"
  wine reg delete 'HKCU\Software\Venmora\Spoolcat' /f /reg:32 </dev/null >/dev/null 2>&1 || true
}

start() { # exe [args]
  wine_desktop "$desktop" 640x480 "C:\\Shots\\$1" "${@:2}"
  wine_desktop_wait "$desktop" "Spoolcat:" || {
    say "no window \"Spoolcat:\" from $1"
    return 1
  }
  probe wait-text "Spoolcat:" 1002 Ready 30000 >/dev/null || {
    say "$1: no \"Ready\": the status line reads \"$(probe text "Spoolcat:" 1002)\""
    return 1
  }
}

# Closes the player, if any, and the window with "Exit"; the desktop goes with
# its last window.
finish() {
  if probe count "Windows Media Player" >/dev/null; then probe close "Windows Media Player" >/dev/null; fi
  probe click "Spoolcat:" 1007 >/dev/null
  local tries=0
  while probe count "Spoolcat:" >/dev/null && [ "$tries" -lt 40 ]; do
    tries=$((tries + 1))
    sleep 0.25
  done
  wait "$WINE_DESKTOP_PID" 2>/dev/null || true
}

# The picture of the window once its status line reads exactly `text`: taken
# again until the line reads the same before and after (it animates).
shot_at_text() { # text file
  local tries
  for tries in $(seq 1 10); do
    for _ in $(seq 1 100); do
      [ "$(probe text "Spoolcat:" 1002)" = "$1" ] && break
      sleep 0.05
    done
    wine_desktop_shot "$desktop" "Spoolcat:" "$2" 0.2 # its paint
    [ "$(probe text "Spoolcat:" 1002)" = "$1" ] && return 0
    say "the status line moved on during picture $tries; again"
  done
  return 1
}

wait_log() { # regex seconds
  for _ in $(seq 1 $(($2 * 20))); do
    grep -qE "$1" "$log" 2>/dev/null && return 0
    sleep 0.05
  done
  say "no \"$1\" in ketmgr.log within $2 s"
  return 1
}

run() { # name exe [args]
  local name="$1"
  shift
  say "$name: a job of 3 discs"
  reset
  start "$@"
  wine_desktop_shot "$desktop" "Spoolcat:" "$out/$name-ready.png"
  probe controls "Spoolcat:" >"$out/$name-controls.txt"
  probe click "Spoolcat:" 1004 >/dev/null
  probe wait-text "Spoolcat:" 1002 "Disc Loaded" 30000 >/dev/null
  shot_at_text "Disc Loaded .." "$out/$name-loaded.png"
  wait_log RELEASE 60
  probe wait-text "Spoolcat:" 1002 "Job Done" 30000 >/dev/null
  wine_desktop_shot "$desktop" "Spoolcat:" "$out/$name-done.png"
  cp "$log" "$out/$name-ketmgr.log"
  finish

  say "$name: iTunes chosen"
  reset
  start "$@"
  probe click "Spoolcat:" 1101 >/dev/null
  for _ in $(seq 1 100); do
    [[ "$(probe state "Spoolcat:" 1010)" == *" visible"* ]] && break
    sleep 0.1
  done
  sleep 0.5 # the new layout's paints
  wine_desktop_shot "$desktop" "Spoolcat:" "$out/$name-itunes.png"
  finish
}

run spoolcat spoolcat.exe
run same_window same_window.exe "$player"

# --- The comparison ----------------------------------------------------------

report="$out/report.txt"
: >"$report"
status=0
for picture in ready itunes loaded "done"; do
  a="$out/spoolcat-$picture.png" b="$out/same_window-$picture.png"
  ae="$(compare -metric AE "$a" "$b" "$out/diff-$picture.png" 2>&1 >/dev/null || true)"
  echo "$picture: $(identify -format %wx%h "$a") / $(identify -format %wx%h "$b"), AE $ae" >>"$report"
  [ "$ae" = 0 ] || status=1
done
# Without times and process ids, and without the count of top-level windows a
# broadcast reached: that counts every program's windows at that moment (the
# player's among them, while it starts), not the window compared.
events() { sed -E 's/^[0-9-]+ [0-9:.]+ \[[0-9]+\] //; s/ windows=[0-9]+//' "$1"; }
for name in spoolcat same_window; do
  events "$out/$name-ketmgr.log" >"$out/$name-events.txt"
  grep '^COMMAND' "$out/$name-events.txt" >"$out/$name-commands.txt"
done
if cmp -s "$out/spoolcat-commands.txt" "$out/same_window-commands.txt"; then
  echo "commands: the same $(wc -l <"$out/spoolcat-commands.txt") lines" >>"$report"
else
  echo "commands: differ" >>"$report"
  diff "$out/spoolcat-commands.txt" "$out/same_window-commands.txt" >>"$report" || true
  status=1
fi
if cmp -s "$out/spoolcat-events.txt" "$out/same_window-events.txt"; then
  echo "events: the same $(wc -l <"$out/spoolcat-events.txt") lines" >>"$report"
else
  echo "events: differ" >>"$report"
  diff "$out/spoolcat-events.txt" "$out/same_window-events.txt" >>"$report" || true
fi
if cmp -s "$out/spoolcat-controls.txt" "$out/same_window-controls.txt"; then
  echo "controls: the same" >>"$report"
else
  echo "controls: differ" >>"$report"
  diff "$out/spoolcat-controls.txt" "$out/same_window-controls.txt" >>"$report" || true
fi
cat "$report"
exit "$status"
