#!/usr/bin/env bash
# Checks that the release in DIST is reproducible: builds it a second time in
# a fresh copy of this checkout's sources, in another folder and at a later
# time, and compares the files DIST/SHA256SUMS lists, one by one. Run by
# `scripts/package.sh --verify`, which has just made DIST.
#
#   verify-release.sh DIST
#
# The copy holds the sources as they are here: the committed files with any
# uncommitted changes, and new files git does not ignore. So a clean checkout
# verifies HEAD, and a checkout with changes verifies what it would release
# if they were committed (with HEAD's commit time); the script says which.
# The copy has no .git: its build takes the time from SOURCE_DATE_EPOCH, as
# any build from a source archive would. Prints each file as identical or
# different (with the first differing bytes); exits 1 when one differs. On a
# difference the copy is kept for a look; otherwise it is removed.
set -euo pipefail
cd "$(dirname "$0")/.."
dist="$1"
started=$SECONDS

say() { echo "verify: $* ($((SECONDS - started)) s)"; }
[ -f "$dist/SHA256SUMS" ] || {
  echo "verify: $dist/SHA256SUMS is missing: make the release first (scripts/package.sh)" >&2
  exit 1
}
: "${SOURCE_DATE_EPOCH:=$(git log -1 --format=%ct)}"
export SOURCE_DATE_EPOCH

changes="$(git status --porcelain | wc -l)"
if [ "$changes" -eq 0 ]; then
  say "HEAD $(git rev-parse --short HEAD), no uncommitted changes"
else
  say "HEAD $(git rev-parse --short HEAD) with $changes uncommitted changes: these sources as they are"
fi

copy="$(mktemp -d "${TMPDIR:-/tmp}/spoolcat-verify.XXXXXX")"
# Tracked files that still exist, and untracked ones that are not ignored;
# extracted with the time of extraction, not the files' own.
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do
    [ -e "$file" ] && printf '%s\0' "$file"
  done |
  tar --null -T - -cf - | tar -xf - -C "$copy" --touch

say "second build in $copy"
if ! (cd "$copy" && bash scripts/package.sh) >"$copy/package.log" 2>&1; then
  tail -20 "$copy/package.log"
  say "the second build failed; its log: $copy/package.log"
  exit 1
fi

differ=0
while read -r _ name; do
  if cmp -s "$dist/$name" "$copy/dist/$name"; then
    echo "  identical  $name"
  else
    differ=$((differ + 1))
    # cmp ends with 1 on a difference; that is the point here, not a failure.
    report="$(cmp -l "$dist/$name" "$copy/dist/$name" 2>&1 || true)"
    echo "  DIFFERENT  $name ($(wc -l <<<"$report") bytes; the first, as offset and octal bytes:)"
    head -8 <<<"$report" | sed 's/^/             /'
  fi
done <"$dist/SHA256SUMS"

if [ "$differ" -ne 0 ]; then
  say "$differ files differ; the second build is in $copy"
  exit 1
fi
rm -rf "$copy"
say "reproducible: both builds gave the same bytes"
