#!/usr/bin/env bash
# The native benchmark of the job controller: a whole job of 10, 100 and
# 1,000 discs on the simulated Windows, optimized (preset bench-native,
# build/bench-native), with what the window thread spends per disc and per
# step; and the random walks over the whole window and over the job machine
# alone, in events a second, with the machine's own steps a second. Not part
# of the test command: timing is no test.
#
#   scripts/bench-native.sh [BENCHMARK OPTIONS...]
#
# Installs what is missing (scripts/deps.sh native), builds, runs; the
# options go to the benchmark (e.g. --benchmark_repetitions=5). The figures
# are also written to build/bench/native.json. Changes nothing in the repo.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh native
cmake --preset bench-native >/dev/null
cmake --build --preset bench-native
mkdir -p build/bench
build/bench-native/bench/native/native_bench \
  --benchmark_out=build/bench/native.json --benchmark_out_format=json "$@"
