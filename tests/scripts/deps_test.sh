#!/usr/bin/env bash
# deps.sh against a stand-in apt-get, dpkg-query, dpkg and sudo on the PATH,
# which keep the installed packages in a file: the update may fail, the
# install may fail or leave a package out.
#
#   deps_test.sh DEPS
set -uo pipefail

deps="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
bin="$work/bin"
mkdir -p "$bin"

# APT_UPDATE_FAILS: how many updates fail (with exit 100) before one works.
# APT_INSTALL: works, fails (exit 100) or skips (exit 0, installs nothing).
cat >"$bin/apt-get" <<'STANDIN'
#!/usr/bin/env bash
echo "apt-get $*" >>"$STATE/calls"
case "$1" in
  update)
    done_before="$(grep -c '^apt-get update' "$STATE/calls")"
    if [ "$done_before" -le "${APT_UPDATE_FAILS:-0}" ]; then
      echo "Get:1 http://deb.example.org/debian bookworm/main i386 Packages"
      echo "E: Failed to fetch http://deb.example.org/debian/dists/bookworm/main/binary-i386/Packages.xz  File has unexpected size (123 != 456). Mirror sync in progress?" >&2
      exit 100
    fi
    ;;
  install)
    case "$APT_INSTALL" in
      fails)
        echo "E: Unable to correct problems, you have held broken packages." >&2
        exit 100
        ;;
      works)
        for p in "$@"; do [[ "$p" == -* || "$p" == install ]] || echo "$p" >>"$STATE/installed"; done
        ;;
    esac
    ;;
esac
STANDIN
cat >"$bin/dpkg-query" <<'STANDIN'
#!/usr/bin/env bash
grep -qx -- "${*: -1}" "$STATE/installed" 2>/dev/null || exit 1
printf 'install ok installed'
STANDIN
cat >"$bin/dpkg" <<'STANDIN'
#!/usr/bin/env bash
echo "dpkg $*" >>"$STATE/calls"
[ "$1" != --print-foreign-architectures ] || echo i386
STANDIN
cat >"$bin/sudo" <<'STANDIN'
#!/usr/bin/env bash
exec "$@"
STANDIN
chmod +x "$bin"/*

failures=0
# level | updates that fail | install | exit status | updates tried | words the output must hold
while IFS='|' read -r level update_fails install status updates words; do
  [ -n "$level" ] || continue
  export STATE="$work/state-$RANDOM"
  mkdir -p "$STATE"
  touch "$STATE/calls" "$STATE/installed"
  output="$(PATH="$bin:$PATH" APT_UPDATE_FAILS="$update_fails" APT_INSTALL="$install" \
    SPOOLCAT_APT_UPDATE_PAUSE=0 bash "$deps" "$level" 2>&1)"
  got=$?
  tried="$(grep -c '^apt-get update' "$STATE/calls")"
  if [ "$got" -ne "$status" ] || [ "$tried" -ne "$updates" ] || ! grep -qF -- "$words" <<<"$output"; then
    echo "FAIL: $level, $update_fails failed updates, install $install: exit $got (want $status)," \
      "$tried updates (want $updates), output:"
    sed 's/^/  /' <<<"$output"
    echo "  (wanted it to hold: $words)"
    failures=$((failures + 1))
  else
    echo "ok: $level, $update_fails failed updates, install $install -> $got"
  fi
done <<'TABLE'
wine|0|works|0|1|deps: done
wine|3|works|0|3|File has unexpected size (123 != 456). Mirror sync in progress?
wine|3|works|0|3|  E: Failed to fetch http://deb.example.org
wine|2|works|0|3|deps: done
wine|3|fails|1|3|deps: apt-get install of cmake make g++ googletest libbenchmark-dev libasan8 libubsan1 libtsan2 g++-mingw-w64-i686 wine wine32:i386 wine64 failed (exit 100); the package lists (whose update failed) may be behind a Debian mirror that is mid-sync
wine|0|fails|1|1|failed (exit 100); the package lists may be behind a Debian mirror that is mid-sync
native|3|skips|1|3|deps: apt-get install left out cmake make g++
TABLE

# The install's failure is said in one line, the last.
export STATE="$work/state-last"
mkdir -p "$STATE" && touch "$STATE/calls" "$STATE/installed"
last="$(PATH="$bin:$PATH" APT_UPDATE_FAILS=3 APT_INSTALL=fails SPOOLCAT_APT_UPDATE_PAUSE=0 \
  bash "$deps" native 2>&1 >/dev/null | tail -n 1)"
if [[ "$last" != "deps: apt-get install of"*"mid-sync: try again in a few minutes" ]]; then
  echo "FAIL: the last line on stderr is not the one-line failure: $last"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ]
