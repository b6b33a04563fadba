#!/usr/bin/env bash
# The whole test run: dependencies, the native build and its tests, the same
# tests under ASan/UBSan, the threaded tests under TSan, 30 s of each fuzz
# target, the Windows build (with the release tree's spoolcat.exe), the
# release's setup and zip with the XP import check of both, built a second
# time in a fresh copy to prove them reproducible, a fresh Wine prefix, then
# the Windows tests under Wine (unit, contract and end-to-end, the soak and
# install tests and the import check's own test among them). Ends with
# ctest's summary of the Windows tests; exits non-zero when any test failed.
# About 24 minutes on 2 cores once the packages are installed (they take
# about 2 more on a new machine).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
started=$SECONDS

step() { echo "=== $* ($((SECONDS - started)) s)"; }

step "dependencies"
bash scripts/deps.sh wine

step "include rules"
bash scripts/check-includes.sh

step "native build"
cmake --preset native >/dev/null
cmake --build --preset native
step "native tests"
native_rc=0
ctest --preset native -j2 --timeout 60 </dev/null || native_rc=$?

step "native build with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan
step "native tests under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer"
# A sanitizer's report ends its test program with a failure; it counts as a
# native failure.
ctest --preset asan -j2 --timeout 300 </dev/null || native_rc=$?

step "native build with ThreadSanitizer (the tests with real threads)"
cmake --preset tsan >/dev/null
cmake --build --preset tsan
step "the responder on its own thread under ThreadSanitizer (10,000 discs)"
ctest --preset tsan --timeout 300 </dev/null || native_rc=$?

step "fuzz targets, 30 s each"
fuzz_rc=0
bash scripts/fuzz.sh 30 </dev/null || fuzz_rc=$?

step "Windows build"
cmake --preset windows >/dev/null
cmake --build --preset windows

step "release packages (setup and zip), XP import check, second build to compare"
# The install tests run the setup; without it they fail rather than skip.
package_rc=0
bash scripts/package.sh --verify </dev/null || package_rc=$?
export SPOOLCAT_REQUIRE_SETUP=1

step "Wine prefix"
source scripts/wine-env.sh
trap wine_env_down EXIT
export SCPROBE="$root/build/windows/tools/probe/scprobe.exe"
wine_env_up "$root/build/wine/test" --xvfb

step "Windows tests under Wine"
if [ "$native_rc" -ne 0 ]; then
  echo "(the native tests failed, see above; this run fails whatever follows)"
fi
if [ "$fuzz_rc" -ne 0 ]; then
  echo "(a fuzz target failed, see above; this run fails whatever follows)"
fi
if [ "$package_rc" -ne 0 ]; then
  echo "(packaging, its import check or its reproducibility failed, see above; this run fails whatever follows)"
fi
windows_rc=0
ctest --preset windows --timeout 180 </dev/null || windows_rc=$?
if [ "$native_rc" -ne 0 ] || [ "$fuzz_rc" -ne 0 ] || [ "$package_rc" -ne 0 ] ||
  [ "$windows_rc" -ne 0 ]; then
  exit 1
fi
