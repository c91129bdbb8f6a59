#!/usr/bin/env bash
# Fuzzes every parser for a fixed budget: scripts/fuzz.sh [SECONDS] [TARGET...]
# SECONDS is each target's budget (default 600); TARGET names folders of fuzz/ (default: all).
# Builds the clang configuration (AddressSanitizer, UndefinedBehaviorSanitizer, libFuzzer), then
# runs each target from its corpus with its dictionary. New inputs go to a scratch folder and the
# corpus in the tree is left as it is; an input that crashes, leaks or hangs is copied into
# fuzz/<target>/corpus/, where the test command replays it until the fault is fixed. Exits non-zero
# when anything was found.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
shift || true
case "$seconds" in ''|*[!0-9]*) echo "fuzz.sh: SECONDS is a whole number, not '$seconds'" >&2; exit 2 ;; esac

bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh" fuzz ptp_fuzzers
bin="$here/build/fuzz/bin"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in "$here"/fuzz/*/; do targets+=("$(basename "$dir")"); done
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
found=0
printf '%-18s %8s %10s %8s %s\n' target seconds runs corpus findings
for target in "${targets[@]}"; do
  folder="$here/fuzz/$target"
  name=$(sed -n 's/^ptp_fuzz(\([A-Za-z0-9_]*\).*/\1/p' "$folder/CMakeLists.txt")
  [ -x "$bin/$name" ] || { echo "fuzz.sh: no fuzz target in $folder" >&2; exit 2; }
  mkdir -p "$scratch/$target/new" "$scratch/$target/found"
  dict=()
  [ -f "$folder/dict" ] && dict=(-dict="$folder/dict")
  status=0
  "$bin/$name" "${dict[@]}" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$scratch/$target/found/" "$scratch/$target/new" "$folder/corpus" \
    > "$scratch/$target/log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$scratch/$target/log" | tail -1)
  findings=0
  for input in "$scratch/$target/found"/*; do
    [ -f "$input" ] || continue
    # A timeout can be the machine being busy rather than the input: it counts only when the input
    # hangs again on its own.
    if [[ $(basename "$input") == timeout-* ]] &&
      "$bin/$name" -timeout=10 "$input" > "$scratch/$target/again" 2>&1; then
      echo "  $target: $(basename "$input") timed out, but ran through on its own; not kept" >&2
      continue
    fi
    cp "$input" "$folder/corpus/$(basename "$input")"
    echo "  $target: $(basename "$input") copied into fuzz/$target/corpus/" >&2
    findings=$((findings + 1))
  done
  if [ "$status" -ne 0 ] && [ "$findings" -eq 0 ]; then
    echo "  $target: the fuzzer stopped with status $status; its log:" >&2
    tail -20 "$scratch/$target/log" >&2
    findings=1
  fi
  [ "$findings" -gt 0 ] && found=1
  printf '%-18s %8s %10s %8s %s\n' "$target" "$seconds" "${runs:-?}" \
    "$(ls "$scratch/$target/new" | wc -l)" "$findings"
done
exit $found
