#!/usr/bin/env bash
# The README's pictures of the main window, one per player: the real
# spoolcat.exe with the substitute robot manager and players, on Wine's own
# desktop so that the frame and caption show, "Ready", cropped to the window.
#
#   scripts/screenshots.sh [OUTDIR]     (default docs/images)
#
# Writes spoolcat-wmp.png (Windows Media Player chosen: no options) and
# spoolcat-itunes.png (iTunes chosen: the three options). A help document
# beside the built spoolcat.exe is put beside it here too, so "Help" shows
# when the build makes one. Installs what is missing, builds what it needs,
# uses its own prefix (build/wine/screenshots, kept between runs); about 30 s
# once built.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
out="${1:-$root/docs/images}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

say() { echo "screenshots: $*"; }

bash scripts/deps.sh wine
say "building"
cmake --preset windows >/dev/null
cmake --build --preset windows --target spoolcat_release scprobe ketmgr wmplayer itunes >/dev/null

built="$root/build/windows"
# The program and its help document are the release tree's.
spoolcat_exe="$root/build/release/src/spoolcat.exe"
probe_exe="$built/tools/probe/scprobe.exe"
ketmgr_exe="$built/tools/robot-sim/ketmgr.exe"
help_doc="$root/build/release/src/spoolcat.chm"

source scripts/wine-env.sh
export SCPROBE="$probe_exe"
trap wine_env_down EXIT
wine_env_up "$root/build/wine/screenshots" --xvfb --reuse
drive_c="$WINEPREFIX/drive_c"

desktop=Spoolcat
probe() { wine "$probe_exe" --desktop "$desktop" "$@" </dev/null | tr -d '\r'; }

say "installing into C:\\Spoolcat and C:\\Players"
wine reg delete 'HKCU\Software\Venmora' /f /reg:32 >/dev/null 2>&1 || true
rm -rf "$drive_c/Spoolcat" "$drive_c/Players" "$WINE_ENV_DIR/cdrom"/*
mkdir -p "$drive_c/Spoolcat" "$drive_c/Players/Windows Media Player" "$drive_c/Players/iTunes"
cp "$spoolcat_exe" "$drive_c/Spoolcat/spoolcat.exe"
[ -f "$help_doc" ] && cp "$help_doc" "$drive_c/Spoolcat/spoolcat.chm"
cp "$ketmgr_exe" "$drive_c/Spoolcat/ketmgr.exe"
printf 'discs = 3\nwriter = E: Writer 1\n' >"$drive_c/Spoolcat/robot.ini"
cp "$built/tools/player-sim/wmplayer.exe" "$drive_c/Players/Windows Media Player/"
cp "$built/tools/player-sim/itunes.exe" "$drive_c/Players/iTunes/"
wine 'C:\Players\Windows Media Player\wmplayer.exe' --register </dev/null >/dev/null 2>&1
wine 'C:\Players\iTunes\itunes.exe' --register </dev/null >/dev/null 2>&1

# Starts the program with `player` as the saved choice, waits for "Ready",
# saves the window's picture as `file`, and closes it with "Exit".
shoot() {
  local player="$1" file="$2"
  wine reg add 'HKCU\Software\Venmora\Spoolcat' /v 'Ripping Application' /d "$player" /f \
    /reg:32 >/dev/null
  wine_desktop "$desktop" 640x480 'C:\Spoolcat\spoolcat.exe'
  wine_desktop_wait "$desktop" "Spoolcat:" || {
    say "the window \"Spoolcat:\" did not appear on the desktop"
    return 1
  }
  probe wait-text "Spoolcat:" 1002 Ready 30000 >/dev/null || {
    say "no \"Ready\": the status line reads \"$(probe text "Spoolcat:" 1002)\""
    return 1
  }
  wine_desktop_shot "$desktop" "Spoolcat:" "$file"
  say "$file: $(identify -format %wx%h "$file"), $(stat -c %s "$file") bytes"
  probe click "Spoolcat:" 1007 >/dev/null
  # Gone once the desktop is gone with it; the next start makes a new one.
  local tries=0
  while probe count "Spoolcat:" >/dev/null && [ "$tries" -lt 40 ]; do
    tries=$((tries + 1))
    sleep 0.25
  done
  wait "$WINE_DESKTOP_PID" 2>/dev/null || true
}

shoot "Windows Media Player" "$out/spoolcat-wmp.png"
shoot "iTunes" "$out/spoolcat-itunes.png"
