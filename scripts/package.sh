#!/usr/bin/env bash
# Makes a release into dist/:
#   spoolcat-<version>-setup.exe   the NSIS setup (package/spoolcat.nsi)
#   spoolcat-<version>.zip         the portable copy: spoolcat.exe,
#                                  spoolcat.chm, README.txt (CRLF)
# The version is the one project() gives in the top CMakeLists.txt, read back
# from the configured Windows tree. Installs NSIS and zip when missing
# (scripts/deps.sh package), and builds the Windows tree first (a no-op when
# it is up to date).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
started=$SECONDS

say() { echo "package: $* ($((SECONDS - started)) s)"; }
fail() {
  echo "package: $*" >&2
  exit 1
}

say "dependencies"
bash scripts/deps.sh package

say "Windows build"
cmake --preset windows >/dev/null
cmake --build --preset windows

build="$root/build/windows/src"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)"
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] ||
  fail "no four-part version: project(spoolcat VERSION a.b.c.d ...) in CMakeLists.txt gives '$version'"
dist="$root/dist"
mkdir -p "$dist"
setup="$dist/spoolcat-$version-setup.exe"
zip="$dist/spoolcat-$version.zip"
# Gone before anything can fail, so no test picks up an older setup.
rm -f "$setup" "$zip"
for file in spoolcat.exe spoolcat.chm; do
  [ -f "$build/$file" ] || fail "$build/$file is missing: the Windows build did not make it"
done

say "setup $version"
makensis -V2 -INPUTCHARSET UTF8 "-DVERSION=$version" "-DBUILD_DIR=$build" "-DOUT_FILE=$setup" \
  package/spoolcat.nsi

say "zip $version"
# Without folder entries or Unix extras, the README with Windows line ends (-l).
(cd "$build" && zip -q -X -D "$zip" spoolcat.exe spoolcat.chm)
(cd package && zip -q -X -D -l "$zip" README.txt)

say "done"
for file in "$setup" "$zip" "$build/spoolcat.exe" "$build/spoolcat.chm"; do
  printf '  %10d bytes  %s\n' "$(stat -c %s "$file")" "${file#"$root"/}"
done
