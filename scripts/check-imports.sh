#!/usr/bin/env bash
# Checks that Windows programs can start on Windows XP SP3:
#   - every function they import, by name (DLL!Function) or by ordinal
#     (DLL!@N), is in the allowlist, package/xp-imports.txt, whose lines give
#     the Windows version the function's documentation names, never one after
#     XP SP3;
#   - their PE subsystem version is at most 5.01 (XP's loader refuses a later
#     one);
#   - they have no delay-load imports (this check does not read them);
#   - with --known-dlls, every DLL they import is one of Windows' KnownDLLs
#     from XP through 11 (below), which Windows loads only from the system
#     folder: a DLL of the same name planted beside the program is never
#     loaded in its place.
# Wine exports every function of every Windows version, so a program that
# imports one XP lacks runs under Wine and stops at once on XP.
#
#   check-imports.sh [--allowlist FILE] [--controls-floor] [--known-dlls] PROGRAM...
#
# --controls-floor also accepts the allowlist's CONTROLS lines: functions that
# every version of their DLL has, whose page names the Windows Controls
# reference's floor of Vista (see the allowlist). For the setup only.
# --known-dlls is for spoolcat.exe; NSIS's setup imports comctl32 and loads
# its other libraries from the system folder itself.
#
# Prints what each program imports that is not allowed, and exits 1 when there
# is any; exits 2 when the allowlist itself holds a version after XP SP3 or a
# line it cannot read.
set -euo pipefail

allowlist="$(dirname "$0")/../package/xp-imports.txt"
controls_floor=false
known_dlls_only=false
while [ $# -gt 0 ]; do
  case "$1" in
    --allowlist) allowlist="$2" && shift 2 ;;
    --controls-floor) controls_floor=true && shift ;;
    --known-dlls) known_dlls_only=true && shift ;;
    *) break ;;
  esac
done
if [ $# -eq 0 ]; then
  echo "usage: $0 [--allowlist FILE] [--controls-floor] [--known-dlls] PROGRAM..." >&2
  exit 64
fi

# DLLs that are KnownDLLs on every Windows from XP to 11: named in the
# registry's KnownDLLs list, or, for msvcrt.dll on XP, mapped with the listed
# ones that import it (shell32, ole32), as the session manager maps the
# imports of each listed DLL too; from Vista on msvcrt.dll is listed itself.
# comctl32.dll is not one: with the manifest's Common Controls 6 it comes
# from the side-by-side store, without it from the search path, so an import
# of it needs thought first. Any other DLL is loaded at run time by its full
# path in the system folder (platform/win32/win32_function_lookup.h).
declare -A known_dll=()
for dll in advapi32 comdlg32 gdi32 kernel32 msvcrt ole32 oleaut32 shell32 user32; do
  known_dll["$dll.dll"]=1
done
objdump=i686-w64-mingw32-objdump

# The versions a line may give: what the documentation calls Windows 2000 and
# XP (and the service packs up to XP SP3), CRT for msvcrt.dll's routines and
# CONTROLS for common-control functions, as the allowlist explains. DLL names
# are compared without case, as Windows does.
declare -A allowed=()
bad_lines=()
line_number=0
while read -r function dll version _; do
  line_number=$((line_number + 1))
  [[ -z "$function" || "$function" == \#* ]] && continue
  dll="${dll,,}"
  case "$version" in
    95 | NT4 | 2000 | XP | XP-SP1 | XP-SP2 | XP-SP3) ;;
    CRT) [ "$dll" = msvcrt.dll ] || version=bad ;;
    CONTROLS) [ "$dll" = comctl32.dll ] || [ "$dll" = user32.dll ] || version=bad ;;
    *) version=bad ;;
  esac
  if [ "$version" = bad ]; then
    bad_lines+=("$line_number")
  elif [ "$version" != CONTROLS ] || $controls_floor; then
    allowed["$dll!$function"]=1
  fi
done <"$allowlist"
if [ ${#bad_lines[@]} -gt 0 ]; then
  echo "check-imports: $allowlist: no function, DLL and version up to XP-SP3 on line ${bad_lines[*]}" >&2
  exit 2
fi

# One line a fact of the program: "import DLL!Function", "import DLL!@N",
# "subsystem MAJOR.MINOR", "delay SIZE".
facts() {
  "$objdump" -p "$1" | awk '
    /^MajorSubsystemVersion/ { major = $2 }
    /^MinorSubsystemVersion/ { minor = $2 }
    /^Entry d / { print "delay " $4 }
    /^The Import Tables/ { in_imports = 1; next }
    /^[^ \t]/ { in_imports = 0 }
    in_imports && /^\tDLL Name: / { dll = $3; next }
    in_imports && dll != "" && /^\t[0-9a-f]+\t/ {
      print "import " dll "!" ($3 == "<none>" ? "@" $2 : $3)
    }
    END { print "subsystem " major "." minor }
  '
}

failed=0
for program in "$@"; do
  name="$(basename "$program")"
  if [ ! -f "$program" ]; then
    echo "check-imports: $program is missing"
    failed=1
    continue
  fi
  program_facts="$(facts "$program")" || {
    echo "check-imports: $name: objdump cannot read it"
    failed=1
    continue
  }
  problems=()
  imports=0
  declare -A unknown_dll=()
  while read -r kind value; do
    case "$kind" in
      import)
        imports=$((imports + 1))
        dll="${value%%!*}"
        [ -n "${allowed["${dll,,}!${value#*!}"]:-}" ] ||
          problems+=("imports $value, which $(basename "$allowlist") does not allow")
        if $known_dlls_only && [ -z "${known_dll["${dll,,}"]:-}" ] && [ -z "${unknown_dll["${dll,,}"]:-}" ]; then
          unknown_dll["${dll,,}"]=1
          problems+=("imports from $dll, which is not one of the KnownDLLs: load it by its full path in the system folder")
        fi
        ;;
      subsystem)
        awk -v v="$value" 'BEGIN {
          split(v, p, ".")
          exit !(v ~ /^[0-9]+\.[0-9]+$/ && (p[1] < 5 || (p[1] == 5 && p[2] <= 1)))
        }' ||
          problems+=("subsystem version $value is after 5.01 (Windows XP)")
        ;;
      delay)
        [ "$((16#$value))" -eq 0 ] || problems+=("has delay-load imports, which this check does not read")
        ;;
    esac
  done <<<"$program_facts"
  [ "$imports" -gt 0 ] || problems+=("no import table was read")
  if [ ${#problems[@]} -eq 0 ]; then
    subsystem="$(sed -n 's/^subsystem //p' <<<"$program_facts")"
    known=""
    ! $known_dlls_only || known="; every DLL a KnownDLL"
    echo "check-imports: $name: $imports imports, all allowed; subsystem $subsystem$known"
  else
    for problem in "${problems[@]}"; do
      echo "check-imports: $name $problem"
    done
    failed=1
  fi
done
exit "$failed"
