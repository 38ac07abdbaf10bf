#!/usr/bin/env bash
# run-all.sh BUILD_DIR SECONDS: runs every fuzz target of BUILD_DIR/fuzz,
# starting from its seed corpus, for SECONDS in all, shared equally; fails on
# the first finding.
set -uo pipefail
build=$1
seconds=$2
shopt -s nullglob
targets=()
for target in "$build"/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] && targets+=("$target")
done
[ ${#targets[@]} -gt 0 ] || exit 0
each=$((seconds / ${#targets[@]}))
[ "$each" -gt 0 ] || each=1
status=0
for target in "${targets[@]}"; do
  name=$(basename "$target")
  work=$(mktemp -d)
  log=$(mktemp)
  seeds="$build/fuzz/${name}_seeds"
  mkdir -p "$seeds"
  if "$target" -max_total_time="$each" -print_final_stats=1 "$work" "$seeds" >"$log" 2>&1; then
    echo "-- $name: $(grep -E 'number_of_executed_units' "$log" | awk '{print $2}') runs in ${each}s, no finding"
  else
    echo "-- $name: FINDING"
    tail -n 80 "$log"
    status=1
  fi
  rm -rf "$work" "$log"
done
exit $status
