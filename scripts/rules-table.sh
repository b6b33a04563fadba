#!/usr/bin/env bash
# Writes the table of the job's rules, read from the job machine, between its
# markers in the help's page docs/help/rules.html and in
# docs/design-choices.md; a unit test fails when either is stale.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset native >/dev/null
cmake --build --preset native --target rules_table
build/native/tools/rules-table/rules_table docs/help/rules.html docs/design-choices.md
echo "rules-table: docs/help/rules.html and docs/design-choices.md"
