#!/usr/bin/env bash
# The demo: spoolcat.exe rips a stack of simulated discs under Wine.
#
#   scripts/demo.sh [--itunes] [--discs N] [--keep]
#
# Installs what is missing, builds spoolcat.exe and the substitute manager and
# players, lays them out in a Wine prefix (build/wine/demo, kept between runs)
# as C:\Spoolcat and C:\Players, starts Spoolcat on Wine's own desktop (a
# window on $DISPLAY, or on a private Xvfb display) so that its frame and
# caption show, presses "Ripping" as a person would, waits for "Job Done",
# then prints a timeline and saves a picture of the window. --itunes picks
# iTunes as the player, --discs sets the size of the stack (5), --keep leaves
# Spoolcat running at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

player=wmp
discs=5
keep=false
while [ $# -gt 0 ]; do
  case "$1" in
    --itunes) player=itunes ;;
    --discs)
      discs="$2"
      shift
      ;;
    --keep) keep=true ;;
    *)
      sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'
      exit 64
      ;;
  esac
  shift
done

say() { echo "demo: $*"; }
out="$root/build/demo"
mkdir -p "$out"

bash scripts/deps.sh wine

say "building"
cmake --preset windows >/dev/null
available="$(cmake --build --preset windows --target help | sed -n 's/^\.\.\. \([a-z_]*\).*/\1/p')"
targets=()
for t in spoolcat_release scprobe ketmgr wmplayer itunes; do
  if grep -qx "$t" <<<"$available"; then
    targets+=("$t")
  else
    say "(no $t in this build yet)"
  fi
done
cmake --build --preset windows --target "${targets[@]}" >"$out/build.log" 2>&1 || {
  tail -30 "$out/build.log"
  exit 1
}
# spoolcat.exe is the release tree's (the Windows build brings it up to date).
exe_of() {
  find "$root/build/release" "$root/build/windows" -name "$1.exe" -not -path '*/CMakeFiles/*' 2>/dev/null |
    head -1
}
spoolcat_exe="$(exe_of spoolcat)"
probe_exe="$(exe_of scprobe)"
ketmgr_exe="$(exe_of ketmgr)"
wmplayer_exe="$(exe_of wmplayer)"
itunes_exe="$(exe_of itunes)"
if [ -z "$spoolcat_exe" ] || [ -z "$probe_exe" ]; then
  say "spoolcat.exe or scprobe.exe did not build"
  exit 1
fi

source scripts/wine-env.sh
SCPROBE="$probe_exe"
export SCPROBE
cleanup() {
  if $keep; then
    say "Spoolcat keeps running on display $DISPLAY; stop it all with: bash scripts/wine-env.sh down build/wine/demo"
  else
    wine_env_down
  fi
}
trap cleanup EXIT
wine_env_up "$root/build/wine/demo" --reuse
drive_c="$WINEPREFIX/drive_c"
desktop=Spoolcat
probe() { wine "$probe_exe" --desktop "$desktop" "$@" </dev/null | tr -d '\r'; }

say "installing into C:\\Spoolcat and C:\\Players"
# A fresh start each time: no settings, no robot state, no logs of a last run.
wine reg delete 'HKCU\Software\Venmora' /f /reg:32 >/dev/null 2>&1 || true
wine reg delete 'HKLM\Software\Venmora' /f /reg:32 >/dev/null 2>&1 || true
wine reg delete 'HKLM\Software\Clients\Media\iTunes' /f /reg:32 >/dev/null 2>&1 || true
wine reg delete 'HKLM\Software\Microsoft\MediaPlayer' /v 'Installation Directory' /f /reg:32 \
  >/dev/null 2>&1 || true
rm -rf "$drive_c/Spoolcat" "$drive_c/Players" "$WINE_ENV_DIR/cdrom"/*
mkdir -p "$drive_c/Spoolcat"
cp "$spoolcat_exe" "$drive_c/Spoolcat/spoolcat.exe"
# The help document, built beside the program: the window shows "Help".
help_chm="$(dirname "$spoolcat_exe")/spoolcat.chm"
if [ -f "$help_chm" ]; then
  cp "$help_chm" "$drive_c/Spoolcat/spoolcat.chm"
else
  say "(no spoolcat.chm in this build)"
fi
if [ -n "$ketmgr_exe" ]; then
  cp "$ketmgr_exe" "$drive_c/Spoolcat/ketmgr.exe"
  printf 'discs = %s\nwriter = E: Writer 1\n' "$discs" >"$drive_c/Spoolcat/robot.ini"
  if [ "$player" = itunes ]; then
    # Discs that make iTunes ask: each question is answered by the options.
    printf 'disc.2 = unidentified\ndisc.3 = songs-exist\ndisc.4 = list\n' \
      >>"$drive_c/Spoolcat/robot.ini"
  fi
fi
if [ -n "$wmplayer_exe" ]; then
  mkdir -p "$drive_c/Players/Windows Media Player"
  cp "$wmplayer_exe" "$drive_c/Players/Windows Media Player/wmplayer.exe"
  wine 'C:\Players\Windows Media Player\wmplayer.exe' --register  # writes its own key
fi
if [ -n "$itunes_exe" ]; then
  mkdir -p "$drive_c/Players/iTunes"
  cp "$itunes_exe" "$drive_c/Players/iTunes/itunes.exe"
  wine 'C:\Players\iTunes\itunes.exe' --register
fi

say "starting Spoolcat on Wine's desktop \"$desktop\" on display $DISPLAY"
# The players and managers it starts come onto the same desktop.
wine_desktop "$desktop" 800x600 'C:\Spoolcat\spoolcat.exe'
wine_desktop_wait "$desktop" "Spoolcat:" || {
  say "the window \"Spoolcat:\" did not appear"
  exit 1
}
# Follows the status line until "Job Done" (or ten minutes).
probe watch "Spoolcat:" 1002 "Job Done" 600000 >"$out/status.log" &
watcher=$!

job_ran=false
if probe wait-text "Spoolcat:" 1002 Ready 30000 >/dev/null; then
  if [ "$player" = itunes ]; then
    say "choosing iTunes"
    probe click "Spoolcat:" 1101 >/dev/null
    sleep 0.5
  fi
  say "pressing \"Ripping\""
  probe click "Spoolcat:" 1004 >/dev/null
  say "waiting for \"Job Done\""
  wait "$watcher" || true
  job_ran=true
else
  say "the window did not reach \"Ready\" (status: \"$(probe text "Spoolcat:" 1002)\"); no job run"
  sleep 2
  kill "$watcher" 2>/dev/null || true
fi

shot="$out/spoolcat.png"
wine_desktop_shot "$desktop" "Spoolcat:" "$shot" || say "(no picture)"

# One timeline from the status line and the substitutes' logs, by time.
timeline() {
  sed 's/\r$//; s/^\([0-9:.]*\) \(.*\)$/\1 status   \2/' "$out/status.log"
  local log name
  for log in "$drive_c"/Spoolcat/*.log "$drive_c"/Players/*/*.log; do
    [ -f "$log" ] || continue
    name="$(basename "$log" .log)"
    sed 's/\r$//' "$log" |
      sed -n "s/^[0-9-]* \([0-9:.]*\) \[[0-9]*\] \(.*\)$/\1 $(printf '%-8s' "$name") \2/p"
  done
}
echo
say "timeline (registry and state details left out; the full logs are in C:\\Spoolcat and C:\\Players)"
timeline | grep -v -E '^[0-9:.]+ +[a-z]+ +(REGISTRY|STATE|REGISTER) ' | sort -s -k1,1
echo
if ! $job_ran && [ -f "$drive_c/Spoolcat/ketmgr.log" ]; then
  say "manager's log:"
  sed 's/\r$//' "$drive_c/Spoolcat/ketmgr.log"
fi
say "screenshot: $shot"

if ! $keep && [ "$(probe state "Spoolcat:" 1007 | cut -d' ' -f1)" = enabled ]; then
  probe click "Spoolcat:" 1007 >/dev/null
  sleep 1
fi
