#!/usr/bin/env bash
# The architecture's two include rules, checked on the sources:
#   - only src/app/ includes app/ (the main window and the entry point sit on
#     top; the subsystem folders are functions of their inputs), besides the
#     tests and fuzz targets that drive the main window;
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

app_users="$(grep -rnE '#include +"app/' src tests tools fuzz --include='*.cpp' --include='*.h' |
  grep -vE '^src/app/|^tests/|^fuzz/' || true)"
[ -z "$app_users" ] || report "app/ included outside src/app/:" <<<"$app_users"

windows_users="$(grep -rniE '#include +<windows\.h>' src tests tools fuzz bench --include='*.cpp' --include='*.h' --include='*.c' |
  grep -vE '^(src/platform/win32|src/ui/win32|tools|tests/win32|tests/e2e|tests/imports|bench)/' || true)"
[ -z "$windows_users" ] || report "<windows.h> included outside the Windows backends:" <<<"$windows_users"

[ "$bad" -eq 0 ] && echo "check-includes: ok"
exit "$bad"
