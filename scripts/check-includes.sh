#!/usr/bin/env bash
# The architecture's include rules (docs/architecture.md), checked on the
# sources:
#   - the layers of src/, from the top: app/; job/, player/, settings/,
#     robot/; ui/; platform/; util/. A folder includes only from itself and
#     the folders below it (the four middle ones from one another too), and
#     nothing of tests/, fuzz/, bench/ or tools/;
#   - only src/app/ includes app/ (the main window and the entry point sit on
#     top; the subsystem folders are functions of their inputs), besides the
#     tests and fuzz targets that drive the main window;
#   - the backends are picked in one place: in src/, the simulated ones
#     (platform/sim, ui/headless) are included only from within themselves,
#     so spoolcat.exe never holds them, and the Windows ones (platform/win32,
#     ui/win32) only from within themselves and by the entry point,
#     app/main.cpp; the one exception, the run-time lookup of a function
#     (platform/win32/win32_function_lookup.h), also serves ui/win32;
#   - only src/platform/win32, src/ui/win32, tools/ and the Windows-only tests
#     (tests/win32, tests/e2e, tests/imports) and the benchmark's baselines
#     (bench/) include <windows.h>.
# Prints each offending line and exits non-zero when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

bad=0
report() {
  echo "check-includes: $1"
  sed 's/^/  /'
  bad=1
}

# The quoted includes of the C++ files under the given folders, one per line
# as file:line:text.
quoted_includes() {
  grep -rnE '#include +"' "$@" --include='*.cpp' --include='*.h' || true
}

# Each folder of src/ and the folders it may include from.
middle="job|player|settings|robot|platform|util"
declare -A may_include=(
  [util]="util"
  [platform]="platform|util"
  [ui]="ui|platform|util"
  [job]="$middle"
  [player]="$middle"
  [settings]="$middle"
  [robot]="$middle"
  [app]="app|job|player|settings|robot|ui|platform|util"
  # The icon, manifest and resource script of spoolcat.exe, beside app/.
  [resources]="app|job|player|settings|robot|ui|platform|util"
)
for folder in $(find src -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort); do
  [ -n "${may_include[$folder]+set}" ] || {
    report "src/$folder/ has no place among the layers:" <<<"src/$folder"
    continue
  }
  upward="$(quoted_includes "src/$folder" | grep -vE "#include +\"(${may_include[$folder]})/" || true)"
  [ -z "$upward" ] || report "src/$folder/ may include only ${may_include[$folder]//|/, }:" <<<"$upward"
done

app_users="$(grep -rnE '#include +"app/' src tests tools fuzz --include='*.cpp' --include='*.h' |
  grep -vE '^src/app/|^tests/|^fuzz/' || true)"
[ -z "$app_users" ] || report "app/ included outside src/app/:" <<<"$app_users"

for backend in platform/sim ui/headless; do
  users="$(quoted_includes src | grep -E "#include +\"$backend/" | grep -vE "^src/$backend/" || true)"
  [ -z "$users" ] || report "$backend/ included in src/ outside itself:" <<<"$users"
done
for backend in platform/win32 ui/win32; do
  users="$(quoted_includes src | grep -E "#include +\"$backend/" |
    grep -vE "^src/$backend/|^src/app/main\.cpp:" |
    grep -vE '^src/ui/win32/[^:]*:[0-9]+:#include +"platform/win32/win32_function_lookup\.h"' || true)"
  [ -z "$users" ] || report "$backend/ included in src/ outside itself and app/main.cpp:" <<<"$users"
done

windows_users="$(grep -rniE '#include +<windows\.h>' src tests tools fuzz bench --include='*.cpp' --include='*.h' --include='*.c' |
  grep -vE '^(src/platform/win32|src/ui/win32|tools|tests/win32|tests/e2e|tests/imports|bench)/' || true)"
[ -z "$windows_users" ] || report "<windows.h> included outside the Windows backends:" <<<"$windows_users"

[ "$bad" -eq 0 ] && echo "check-includes: ok"
exit "$bad"
