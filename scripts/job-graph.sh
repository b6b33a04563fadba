#!/usr/bin/env bash
# Draws the job machine from the machine itself: docs/images/job-machine.dot
# (the source, which a unit test compares with the machine) and its picture
# docs/images/job-machine.png. Installs Graphviz when it is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh graph
cmake --preset native >/dev/null
cmake --build --preset native --target job_graph
build/native/tools/job-graph/job_graph >docs/images/job-machine.dot
dot -Tpng docs/images/job-machine.dot -o docs/images/job-machine.png
echo "job-graph: docs/images/job-machine.dot and job-machine.png"
