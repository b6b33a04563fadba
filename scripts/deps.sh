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

echo "deps: apt-get update"
"${as_root[@]}" apt-get update -q

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
  "${as_root[@]}" apt-get install -y -q "${with_recommends[@]}"
fi
if [ ${#plain[@]} -gt 0 ]; then
  echo "deps: installing ${plain[*]}"
  "${as_root[@]}" apt-get install -y -q --no-install-recommends "${plain[@]}"
fi
echo "deps: done"
