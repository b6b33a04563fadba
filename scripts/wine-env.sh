#!/usr/bin/env bash
# A Wine environment for one run of Spoolcat: its own prefix, a CD drive E:,
# no dialogs that could block, and an X display (Xvfb when needed).
#
# Sourced:
#   source scripts/wine-env.sh
#   wine_env_up DIR [--xvfb] [--reuse]   prefix in DIR/prefix, CD folder DIR/cdrom;
#                                        exports WINEPREFIX, WINEDEBUG, DISPLAY, ...
#   wine_env_down                        stops the wineserver and our Xvfb
#   wine_desktop NAME WxH PROGRAM [ARGS] starts PROGRAM on Wine's own desktop
#   wine_desktop_wait NAME TITLE         waits for a window on that desktop
#   wine_desktop_shot NAME TITLE FILE [SETTLE]  a picture of a window on that
#                                        desktop, SETTLE s (1) after it came forward
# Called:
#   scripts/wine-env.sh up DIR [--xvfb] [--reuse]   prints the variables to export
#   scripts/wine-env.sh down DIR
#
# --xvfb   always use a private Xvfb display (tests), not the user's $DISPLAY
# --reuse  keep a prefix made by an earlier call (the demo); tests start fresh
# Set SCPROBE to the built scprobe.exe to have the CD drive checked.

wine_env_log() { echo "wine-env: $*" >&2; }

# A display number nobody uses: no lock file and no socket.
wine_env_free_display() {
  local n
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

wine_env_start_xvfb() {
  local dir="$1" n
  n="$(wine_env_free_display)" || {
    wine_env_log "no free X display"
    return 1
  }
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
  echo $! >"$dir/xvfb.pid"
  for _ in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    if ! kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null; then
      wine_env_log "Xvfb :$n failed: $(cat "$dir/xvfb.log")"
      return 1
    fi
    sleep 0.1
  done
  export DISPLAY=":$n"
  wine_env_log "Xvfb on display $DISPLAY"
}

wine_env_up() {
  local dir="" xvfb=false reuse=false arg
  for arg in "$@"; do
    case "$arg" in
      --xvfb) xvfb=true ;;
      --reuse) reuse=true ;;
      *) dir="$arg" ;;
    esac
  done
  [ -n "$dir" ] || {
    wine_env_log "usage: wine_env_up DIR [--xvfb] [--reuse]"
    return 64
  }
  mkdir -p "$dir"
  dir="$(cd "$dir" && pwd)"
  export WINE_ENV_DIR="$dir"
  export WINEPREFIX="$dir/prefix"
  export WINEDEBUG=-all
  # No Mono or Gecko install prompts, no desktop menu entries for the host.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  unset WINEARCH # the default: a 64-bit prefix with a 32-bit side

  if $xvfb || [ -z "${DISPLAY:-}" ]; then
    wine_env_start_xvfb "$dir" || return 1
  fi
  echo "$DISPLAY" >"$dir/display"

  if $reuse && [ -f "$dir/ready" ]; then
    wine_env_log "reusing the prefix $WINEPREFIX"
    wineserver -p </dev/null >/dev/null 2>&1
    return 0
  fi

  # A prefix of an earlier run may still have a server; stop it before removing.
  if [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
  rm -rf "$WINEPREFIX" "$dir/ready"
  local start=$SECONDS
  wine_env_log "creating the prefix $WINEPREFIX"
  wineboot -i >"$dir/wineboot.log" 2>&1 || {
    wine_env_log "wineboot failed: $(tail -5 "$dir/wineboot.log")"
    return 1
  }
  wineserver -w

  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
  # E: is a CD drive backed by a folder; the players' discs land there.
  mkdir -p "$dir/cdrom"
  ln -sfn "$dir/cdrom" "$WINEPREFIX/dosdevices/e:"
  wine reg add 'HKLM\Software\Wine\Drives' /v e: /d cdrom /f /reg:64 >/dev/null
  # Drive types are read when the server starts.
  wineserver -k
  wineserver -w
  # A server that stays up keeps program starts quick; it must not hold the
  # caller's output open, or a pipe reading it would never end.
  wineserver -p </dev/null >/dev/null 2>&1
  wine_env_log "prefix ready in $((SECONDS - start)) s"

  if [ -n "${SCPROBE:-}" ] && [ -f "$SCPROBE" ]; then
    local type
    type="$(wine "$SCPROBE" drive-type E: | tr -d '\r')"
    if [ "${type%% *}" != 5 ]; then
      wine_env_log "E: is not a CD drive: $type"
      return 1
    fi
    wine_env_log "E: is a CD drive"
  fi
  touch "$dir/ready"
}

wine_env_down() {
  local dir="${1:-${WINE_ENV_DIR:-}}"
  [ -n "$dir" ] || return 0
  if [ -d "$dir/prefix" ]; then
    WINEPREFIX="$dir/prefix" wineserver -k 2>/dev/null || true
  fi
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid"
  fi
}

# Wine's own desktop: one X window in which Wine draws every window's frame
# and caption and keeps the focus itself, as a window manager would (Xvfb has
# none). Starts PROGRAM [ARGS] in the background on the desktop NAME of WxH
# pixels (e.g. 640x480); its pid is left in WINE_DESKTOP_PID. The desktop
# goes away with its last window. Its windows are seen only from programs on
# the same desktop: `scprobe --desktop NAME ...`.
wine_desktop() {
  local name="$1" size="$2"
  shift 2
  wine_env_caption_fonts
  wine explorer "/desktop=$name,$size" "$@" </dev/null >"$WINE_ENV_DIR/desktop-$name.log" 2>&1 &
  WINE_DESKTOP_PID=$!
}

# Waits up to 15 s for a window titled TITLE on Wine's desktop NAME, which
# may not exist yet when this starts. Needs SCPROBE.
wine_desktop_wait() {
  local name="$1" title="$2" tries=0
  until wine "$SCPROBE" --desktop "$name" wait-window "$title" 1000 </dev/null >/dev/null; do
    tries=$((tries + 1))
    [ "$tries" -lt 30 ] || return 1
    sleep 0.5
  done
}

# Saves FILE, a picture of the window titled TITLE on Wine's desktop NAME
# with its frame and caption, brought to the front first (each probe's start
# may have taken the activation). Needs SCPROBE, xwininfo and ImageMagick.
wine_desktop_shot() {
  local name="$1" title="$2" file="$3" settle="${4:-1}" rect origin left top width height x0 y0
  rect="$(wine "$SCPROBE" --desktop "$name" rect "$title" </dev/null | tr -d '\r')"
  read -r left top width height <<<"$rect"
  if [ -z "${height:-}" ]; then
    wine_env_log "no window \"$title\" on the desktop $name: $rect"
    return 1
  fi
  # Where the desktop's X window stands on the screen: the absolute position,
  # which under a window manager differs from the one within its frame.
  origin="$(xwininfo -root -tree 2>/dev/null |
    sed -n "s/.*\"$name - Wine desktop\": *([^)]*) *[0-9]*x[0-9]*[+-][0-9]*[+-][0-9]* *+\([0-9-]*\)+\([0-9-]*\).*/\1 \2/p" |
    head -1)"
  read -r x0 y0 <<<"${origin:-0 0}"
  wine "$SCPROBE" --desktop "$name" front "$title" </dev/null >/dev/null ||
    wine_env_log "the window \"$title\" did not come to the front"
  sleep "$settle" # the caption's repaint
  import -display "$DISPLAY" -window root \
    -crop "${width}x${height}+$((x0 + left))+$((y0 + top))" +repage -strip \
    -define png:compression-level=9 "$file"
}

# Wine draws the caption buttons with its Marlett font and captions in Tahoma,
# both shipped in its data folder, where this build does not find them; a copy
# in the prefix's Fonts folder is found.
wine_env_caption_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" font
  mkdir -p "$fonts"
  for font in marlett.ttf tahoma.ttf tahomabd.ttf; do
    if [ -f "/usr/share/wine/fonts/$font" ] && [ ! -f "$fonts/$font" ]; then
      cp "/usr/share/wine/fonts/$font" "$fonts/"
    fi
  done
}

# Called rather than sourced.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  case "${1:-}" in
    up)
      shift
      wine_env_up "$@"
      echo "export WINEPREFIX='$WINEPREFIX' WINEDEBUG='$WINEDEBUG'" \
        "WINEDLLOVERRIDES='$WINEDLLOVERRIDES' DISPLAY='$DISPLAY' WINE_ENV_DIR='$WINE_ENV_DIR'"
      ;;
    down) wine_env_down "${2:-}" ;;
    *)
      echo "usage: $0 up DIR [--xvfb] [--reuse] | down DIR" >&2
      exit 64
      ;;
  esac
fi
