#!/usr/bin/env bash
# Runs each fuzz target of build/fuzz for SECONDS (default 180) from its corpus in
# tests/fuzz/corpus/<target>, one after another, and prints what each did: executions,
# edges covered, findings. What a run learns (new inputs) is kept in build/fuzz/corpus; a
# finding is saved as build/fuzz/findings/<target>-crash-... (replay it by giving it to the
# target as its argument) and fails the run. Once mended, copy it into the target's corpus.
#
#   fuzz.sh [SECONDS]
set -euo pipefail
seconds=${1:-180}
cd "$(dirname "$0")/.."
build=build/fuzz
mkdir -p "$build/findings"
failed=()
for target in stored_values referral_address language_list command_line; do
  learnt=$build/corpus/$target
  log=$build/$target.log
  mkdir -p "$learnt"
  options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$build/findings/$target-")
  # The referral's limit (32,000 characters of address) needs inputs longer than the default.
  [[ $target == referral_address ]] && options+=(-max_len=24000)
  if "$build/tests/fuzz/fuzz_$target" "${options[@]}" "$learnt" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
    result=ok
  else
    result="FINDING (see $log)"
    failed+=("$target")
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  edges=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
  printf '%-18s %s: %s runs in %s s, %s edges\n' "$target" "$result" "${runs:-?}" "$seconds" "${edges#cov: }"
done
if ((${#failed[@]})); then
  for target in "${failed[@]}"; do
    echo "--- $target"
    grep -E -A12 '^oracle:|ERROR: (AddressSanitizer|libFuzzer)|runtime error' "$build/$target.log" | head -40
  done
  exit 1
fi
