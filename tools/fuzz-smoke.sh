#!/usr/bin/env bash
# Builds every libFuzzer target (the "fuzz" preset: clang 14 with address and
# undefined-behaviour sanitizers) and runs each on a copy of its corpus for a
# while, two at a time. Any crash, leak, timeout or out-of-memory fails.
#   tools/fuzz-smoke.sh [SECONDS]   (default 60 a target)
# Needs clang 14 and its runtimes (tools/install-deps.sh --checks).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
targets=(project_file_fuzzer check_report_fuzzer settings_file_fuzzer columns_csv_fuzzer)
cmake --build --preset fuzz --target "${targets[@]}"

out=build/fuzz/smoke
rm -rf "$out"
mkdir -p "$out"
seed_of() {
  case $1 in
    project_file_fuzzer | check_report_fuzzer) echo fuzz/corpus/project ;;
    settings_file_fuzzer) echo fuzz/corpus/settings ;;
    columns_csv_fuzzer) echo fuzz/corpus/csv ;;
  esac
}
extra_of() {
  case $1 in
    columns_csv_fuzzer) echo "-dict=fuzz/columns_csv.dict" ;;
  esac
}
run() { # target
  local target=$1 seed work
  seed=$(seed_of "$target")
  work=$out/$target
  mkdir -p "$work/corpus"
  [ -d "$seed" ] && cp -r "$seed"/. "$work/corpus/"
  # shellcheck disable=SC2046
  if build/fuzz/fuzz/"$target" "$work/corpus" $(extra_of "$target") -max_total_time="$seconds" \
    -max_len=8192 -rss_limit_mb=2048 -timeout=25 -artifact_prefix="$work/" -print_final_stats=1 \
    >"$work/log" 2>&1; then
    echo "ok: $target ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$work/log" | grep -o '[0-9]*$') inputs in ${seconds} s)"
  else
    echo "FAIL: $target (log and finding in $work)" >&2
    tail -n 40 "$work/log" >&2
    return 1
  fi
}
status=0
pids=()
for target in "${targets[@]}"; do
  run "$target" &
  pids+=($!)
  if [ ${#pids[@]} -ge "$(nproc)" ]; then
    wait "${pids[0]}" || status=1
    pids=("${pids[@]:1}")
  fi
done
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
exit $status
