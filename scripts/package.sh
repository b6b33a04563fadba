#!/usr/bin/env bash
# Makes a release into dist/, the same bytes from any checkout of a commit:
#   spoolcat.exe, spoolcat.chm     the program and its help document
#   spoolcat-<version>-setup.exe   the NSIS setup (package/spoolcat.nsi)
#   spoolcat-<version>.zip         the portable copy: spoolcat.exe,
#                                  spoolcat.chm, notify-test.cmd,
#                                  README.txt (CRLF)
#   SHA256SUMS                     the SHA-256 of those four
# and, for the install tests only, build/release/older/spoolcat-0.0.0.1-setup.exe:
# the same files under a lower version, to upgrade from.
#
#   package.sh            build the release tree (preset release) and package
#   package.sh --verify   the same, then a second build in a fresh copy of
#                         these sources in another folder, compared file by
#                         file with the first; exits 1 when one differs
#
# The file times in the setup and the zip are the commit's: SOURCE_DATE_EPOCH
# when it is set, else the time of HEAD's commit. Nothing else in the release
# depends on when or where it was built. The version is the one project()
# gives in the top CMakeLists.txt. Installs NSIS and zip when missing
# (scripts/deps.sh package). Both programs must pass the XP import check
# (scripts/check-imports.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
started=$SECONDS

say() { echo "package: $* ($((SECONDS - started)) s)"; }
fail() {
  echo "package: $*" >&2
  exit 1
}

verify=false
case "${1:-}" in
  "") ;;
  --verify) verify=true ;;
  *) fail "usage: $0 [--verify]" ;;
esac

say "dependencies"
bash scripts/deps.sh package

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH="$(git log -1 --format=%ct 2>/dev/null)" ||
    fail "no SOURCE_DATE_EPOCH and no git history to take the commit's time from"
fi
[[ "$SOURCE_DATE_EPOCH" =~ ^[0-9]+$ ]] || fail "SOURCE_DATE_EPOCH is not a number of seconds: '$SOURCE_DATE_EPOCH'"
export SOURCE_DATE_EPOCH

say "release build"
cmake --preset release >/dev/null
cmake --build --preset release

build="$root/build/release/src"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)"
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] ||
  fail "no four-part version: project(spoolcat VERSION a.b.c.d ...) in CMakeLists.txt gives '$version'"
dist="$root/dist"
setup_name="spoolcat-$version-setup.exe"
zip_name="spoolcat-$version.zip"
released=(spoolcat.exe spoolcat.chm "$setup_name" "$zip_name")
mkdir -p "$dist"
# Gone before anything can fail, so no test picks up an older release.
(cd "$dist" && rm -f "${released[@]}" SHA256SUMS)

# What the setup and the zip hold, with fixed modes and the commit's time.
stage="$root/build/release/package"
rm -rf "$stage"
mkdir -p "$stage"
for file in spoolcat.exe spoolcat.chm; do
  [ -f "$build/$file" ] || fail "$build/$file is missing: the release build did not make it"
  cp "$build/$file" "$stage/$file"
done
sed 's/\r*$/\r/' package/README.txt >"$stage/README.txt"
# cmd.exe reads a script with LF line ends wrongly around labels and gotos.
sed 's/\r*$/\r/' package/notify-test.cmd >"$stage/notify-test.cmd"
chmod 644 "$stage"/*
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*

say "setup $version"
makensis -V2 -INPUTCHARSET UTF8 "-DVERSION=$version" "-DBUILD_DIR=$stage" \
  "-DOUT_FILE=$dist/$setup_name" package/spoolcat.nsi

# The same files as a setup of a lower version, for the install tests'
# upgrade; not part of the release.
older="$root/build/release/older"
rm -rf "$older"
mkdir -p "$older"
makensis -V2 -INPUTCHARSET UTF8 "-DVERSION=0.0.0.1" "-DBUILD_DIR=$stage" \
  "-DOUT_FILE=$older/spoolcat-0.0.0.1-setup.exe" package/spoolcat.nsi

say "zip $version"
# In this order, without folder entries or Unix extras (-X), and with DOS
# times in UTC, the one zone every build agrees on.
(cd "$stage" && TZ=UTC zip -q -X -D "$dist/$zip_name" spoolcat.exe spoolcat.chm notify-test.cmd README.txt)
cp "$stage/spoolcat.exe" "$stage/spoolcat.chm" "$dist/"

say "imports (Windows XP SP3)"
bash scripts/check-imports.sh --known-dlls "$dist/spoolcat.exe"
# NSIS's stub imports common-control functions whose pages give the Windows
# Controls reference's floor of Vista (see package/xp-imports.txt).
bash scripts/check-imports.sh --controls-floor "$dist/$setup_name"

(cd "$dist" && sha256sum "${released[@]}" >SHA256SUMS)
say "done"
(cd "$dist" && for file in "${released[@]}"; do
  printf '  %10d bytes  dist/%s\n' "$(stat -c %s "$file")" "$file"
done)

$verify || exit 0
bash scripts/verify-release.sh "$dist"
