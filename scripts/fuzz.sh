#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UBSan; build/fuzz)
# and runs each for the given seconds, one at a time:
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]     SECONDS per target, 30 by default
#   scripts/fuzz.sh --total SECONDS [TARGET...]   shared out among the targets
#
# Targets: notice_program registry_readers device_broadcast manager_command
# (all by default). Each starts from its seeds in fuzz/corpus/<target> and
# from what earlier runs found, kept in build/fuzz-corpus/<target>; new
# entries go there only, never into the repository. An input that fails is
# written to build/fuzz-findings/. Prints the executions per target and
# exits non-zero when a target failed.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

total=""
seconds=30
if [ "${1:-}" = "--total" ]; then
  total="$2"
  shift 2
elif [[ "${1:-}" =~ ^[0-9]+$ ]]; then
  seconds="$1"
  shift
fi
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(notice_program registry_readers device_broadcast manager_command)
[ -z "$total" ] || seconds=$((total / ${#targets[@]}))

# Per target: the longest input and what guides the search. A command line
# only goes wrong past 2,000 bytes; comparisons (value profile) lead there.
options_of() {
  case "$1" in
    notice_program) echo "-max_len=4096" ;;
    registry_readers) echo "-max_len=4096" ;;
    device_broadcast) echo "-max_len=256" ;;
    manager_command) echo "-max_len=8192 -use_value_profile=1" ;;
    *) return 1 ;;
  esac
}
for target in "${targets[@]}"; do
  options_of "$target" >/dev/null || {
    echo "fuzz: no target $target" >&2
    exit 64
  }
done

bash scripts/deps.sh fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
symbolizer=/usr/lib/llvm-14/bin/llvm-symbolizer
[ -x "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH="$symbolizer"

findings="$root/build/fuzz-findings"
mkdir -p "$findings"
failed=()
summary=()
for target in "${targets[@]}"; do
  corpus="$root/build/fuzz-corpus/$target"
  log="$findings/$target.log"
  mkdir -p "$corpus"
  echo "=== fuzz $target for $seconds s"
  rc=0
  # shellcheck disable=SC2046
  "$root/build/fuzz/fuzz/fuzz_$target" $(options_of "$target") -max_total_time="$seconds" \
    -timeout=10 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
    "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1 </dev/null || rc=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
  speed="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)"
  summary+=("$(printf '%-18s %12s executions %8s/s  corpus %s' "$target" "${runs:-?}" \
    "${speed:-?}" "$(find "$corpus" -type f | wc -l)")")
  if [ "$rc" -ne 0 ]; then
    failed+=("$target")
    echo "fuzz: $target failed (exit $rc); the end of $log:"
    tail -40 "$log"
  fi
done

echo "=== fuzz summary ($seconds s per target)"
printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: failed: ${failed[*]}; inputs in $findings"
  exit 1
fi
echo "fuzz: no target failed"
