#!/usr/bin/env bash
# The import check against programs made to pass or fail it, and against
# allowlists that must be refused; with --known-dlls, a program that imports
# from a DLL that is not one of the KnownDLLs fails.
#
#   check_imports_test.sh CHECK ALLOWLIST PLAIN TICK64 BY_ORDINAL SUBSYSTEM6
set -uo pipefail

check="$1"
allowlist="$2"
declare -A program=([plain]="$3" [tick64]="$4" [by_ordinal]="$5" [subsystem6]="$6")

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# An allowlist: the project's, plus one more line (or none).
list_with() {
  local list="$work/list-$RANDOM"
  cp "$allowlist" "$list"
  [ -z "$1" ] || echo "$1" >>"$list"
  echo "$list"
}

failures=0
# program | option | extra allowlist line | exit status | words the output must hold
while IFS='|' read -r name option extra status words; do
  [ -n "$name" ] || continue
  list="$(list_with "$extra")"
  args=(--allowlist "$list")
  [ -z "$option" ] || args+=("$option")
  output="$(bash "$check" "${args[@]}" "${program[$name]}" 2>&1)"
  got=$?
  if [ "$got" -ne "$status" ] || ! grep -qF -- "$words" <<<"$output"; then
    echo "FAIL: $name ${option:-} [${extra:-}]: exit $got (want $status), output:"
    sed 's/^/  /' <<<"$output"
    echo "  (wanted it to hold: $words)"
    failures=$((failures + 1))
  else
    echo "ok: $name ${option:-} [${extra:-}] -> $got"
  fi
done <<'TABLE'
plain|||0|all allowed; subsystem 4.0
tick64|||1|imports KERNEL32.dll!GetTickCount64, which
tick64||GetTickCount64 KERNEL32.dll Vista sysinfoapi|2|no function, DLL and version up to XP-SP3 on line
plain||Sleep KERNEL32.dll CRT -|2|no function, DLL and version up to XP-SP3 on line
by_ordinal|||1|imports COMCTL32.dll!@17, which
by_ordinal||@17 COMCTL32.dll 2000 commctrl|0|all allowed
by_ordinal||@17 COMCTL32.dll CONTROLS commctrl|1|imports COMCTL32.dll!@17, which
by_ordinal|--controls-floor|@17 COMCTL32.dll CONTROLS commctrl|0|all allowed
subsystem6|||1|subsystem version 6.0 is after 5.01
plain|--known-dlls||0|all allowed; subsystem 4.0; every DLL a KnownDLL
by_ordinal|--known-dlls|@17 COMCTL32.dll 2000 commctrl|1|imports from COMCTL32.dll, which is not one of the KnownDLLs
TABLE

[ "$failures" -eq 0 ]
