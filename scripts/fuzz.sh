#!/usr/bin/env bash
# Runs each fuzz target of build/fuzz for FUZZ_SECONDS (default 60), one after
# another, starting from its committed corpus. What a run finds stays under
# build/fuzz: new inputs in corpus/<target>, failing ones in artifacts/, the
# output in logs/<target>.log. tests/fuzz/<target>.dict, where there is one,
# names the tokens of the target's input. FUZZ_TARGETS="alignment rtf_reader"
# picks targets. Exits non-zero when any target failed.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
targets=${FUZZ_TARGETS:-$(ls tests/fuzz/*.cpp | xargs -n1 basename | sed 's/\.cpp$//')}
out=build/fuzz
mkdir -p "$out/artifacts" "$out/logs"
failed=()
for target in $targets; do
  mkdir -p "$out/corpus/$target"
  dict=()
  [ -f "tests/fuzz/$target.dict" ] && dict=(-dict="tests/fuzz/$target.dict")
  echo "fuzz: $target for ${seconds}s"
  if ! "$out/fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 "${dict[@]}" \
      -artifact_prefix="$out/artifacts/$target-" "$out/corpus/$target" "tests/fuzz/corpus/$target" \
      >"$out/logs/$target.log" 2>&1; then
    failed+=("$target")
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units|^stat::average_exec_per_sec|check failed|^SUMMARY' \
    "$out/logs/$target.log" | sed 's/^/  /'
done
if [ "${#failed[@]}" -gt 0 ]; then
  echo "fuzz: failures in ${failed[*]}; inputs in $out/artifacts, output in $out/logs" >&2
  exit 1
fi
