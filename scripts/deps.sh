#!/usr/bin/env bash
# Installs what building and testing Spoolcat needs on Debian 12, and nothing
# when it is all there already (so reruns cost a second).
#
#   scripts/deps.sh native   compilers, CMake, GoogleTest sources, Google Benchmark
#   scripts/deps.sh fuzz     native + clang and its libFuzzer and sanitizer
#                            runtimes (scripts/fuzz.sh)
#   scripts/deps.sh wine     native + MinGW, Wine (with its 32-bit side), Xvfb,
#                            ImageMagick for screenshots and the program's
#                            icon, chmcmd (fp-utils) and python3 for the help
#                            document (the default)
#   scripts/deps.sh bench    wine + Xlib's headers (scripts/bench.sh)
#   scripts/deps.sh package  wine + NSIS and zip (scripts/package.sh)
#   scripts/deps.sh graph    native + Graphviz (scripts/job-graph.sh)
#
# Installing needs root; sudo is used when it is there and we are not root.
#
# A failing `apt-get update` (a mirror caught mid-sync answers "File has
# unexpected size ... Mirror sync in progress?") is tried again, then the
# install goes on with the package lists there are: the index that failed is
# often one it does not need. The install decides; when it fails, or leaves a
# package out, this fails too, so that nothing is skipped for want of it.
#
#   SPOOLCAT_APT_UPDATE_TRIES   tries of the update (3)
#   SPOOLCAT_APT_UPDATE_PAUSE   seconds between them (10)
set -euo pipefail

level="${1:-wine}"

native_pkgs=(cmake make g++ googletest)
# Google Benchmark, for the native benchmark (scripts/bench-native.sh).
native_pkgs+=(libbenchmark-dev)
# The sanitizers' run-time libraries (g++ brings them; named for the asan and
# tsan builds).
native_pkgs+=(libasan8 libubsan1 libtsan2)
fuzz_pkgs=(clang-14 libclang-rt-14-dev)
# Wine and the tools, installed with their recommended packages as measured.
wine_pkgs=(g++-mingw-w64-i686 wine wine32:i386 wine64)
# Plain tools, without recommends (ImageMagick's would pull in a lot);
# python3 clears the compile time chmcmd writes into the help document.
tool_pkgs=(xvfb xauth x11-utils imagemagick fp-utils python3)
# The release's setup and zip, without recommends like the plain tools.
package_pkgs=(nsis zip)
# The benchmark's pointer parking, built against Xlib.
bench_pkgs=(libx11-dev)
# The job machine's picture.
graph_pkgs=(graphviz)

case "$level" in
  native) wanted=("${native_pkgs[@]}") ;;
  fuzz) wanted=("${native_pkgs[@]}" "${fuzz_pkgs[@]}") ;;
  wine | all) wanted=("${native_pkgs[@]}" "${wine_pkgs[@]}" "${tool_pkgs[@]}") ;;
  bench) wanted=("${native_pkgs[@]}" "${wine_pkgs[@]}" "${tool_pkgs[@]}" "${bench_pkgs[@]}") ;;
  package) wanted=("${native_pkgs[@]}" "${wine_pkgs[@]}" "${tool_pkgs[@]}" "${package_pkgs[@]}") ;;
  graph) wanted=("${native_pkgs[@]}" "${graph_pkgs[@]}") ;;
  *)
    echo "usage: $0 [native|fuzz|wine|bench|package|graph]" >&2
    exit 64
    ;;
esac

installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

missing=()
for p in "${wanted[@]}"; do
  installed "$p" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "deps: all present ($level)"
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "deps: missing ${missing[*]}; run as root to install them" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
echo "deps: missing: ${missing[*]}"

needs_i386=false
for p in "${missing[@]}"; do
  [[ "$p" == *:i386 ]] && needs_i386=true
done
if $needs_i386 && ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "deps: adding the i386 architecture (for Wine's 32-bit side)"
  "${as_root[@]}" dpkg --add-architecture i386
fi

# The update's own output streams as it runs; its error lines are kept to be
# said again after the last try, where they are not lost in the progress.
update_tries="${SPOOLCAT_APT_UPDATE_TRIES:-3}"
update_pause="${SPOOLCAT_APT_UPDATE_PAUSE:-10}"
update_log="$(mktemp)"
trap 'rm -f "$update_log"' EXIT
updated=false
for ((try = 1; try <= update_tries; try++)); do
  echo "deps: apt-get update (try $try of $update_tries)"
  update_rc=0
  "${as_root[@]}" apt-get update -q 2>&1 | tee "$update_log" || update_rc=$?
  if [ "$update_rc" -eq 0 ]; then
    updated=true
    break
  fi
  echo "deps: apt-get update failed (exit $update_rc)"
  [ "$try" -eq "$update_tries" ] || sleep "$update_pause"
done
if ! $updated; then
  echo "deps: apt-get update failed $update_tries times; going on with the package lists there are. Its errors:"
  grep -E '^(E|W|Err):' "$update_log" | sed 's/^/  /' || true
fi

# Says in one line what failed, and exits.
install_failed() {
  local lists="the package lists"
  $updated || lists="the package lists (whose update failed)"
  echo "deps: $1; $lists may be behind a Debian mirror that is mid-sync: try again in a few minutes" >&2
  exit 1
}

with_recommends=()
plain=()
for p in "${missing[@]}"; do
  if printf '%s\n' "${tool_pkgs[@]}" "${package_pkgs[@]}" "${graph_pkgs[@]}" | grep -qx "$p"; then
    plain+=("$p")
  else
    with_recommends+=("$p")
  fi
done

if [ ${#with_recommends[@]} -gt 0 ]; then
  echo "deps: installing ${with_recommends[*]} (Wine takes about two minutes)"
  install_rc=0
  "${as_root[@]}" apt-get install -y -q "${with_recommends[@]}" || install_rc=$?
  [ "$install_rc" -eq 0 ] ||
    install_failed "apt-get install of ${with_recommends[*]} failed (exit $install_rc)"
fi
if [ ${#plain[@]} -gt 0 ]; then
  echo "deps: installing ${plain[*]}"
  install_rc=0
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${plain[@]}" || install_rc=$?
  [ "$install_rc" -eq 0 ] ||
    install_failed "apt-get install of ${plain[*]} failed (exit $install_rc)"
fi

still_missing=()
for p in "${missing[@]}"; do
  installed "$p" || still_missing+=("$p")
done
[ ${#still_missing[@]} -eq 0 ] ||
  install_failed "apt-get install left out ${still_missing[*]}"
echo "deps: done"
