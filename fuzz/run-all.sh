#!/usr/bin/env bash
# run-all.sh BUILD_DIR SECONDS: runs every fuzz target of BUILD_DIR/fuzz for
# SECONDS each, starting from its seed corpus; fails on the first finding.
set -uo pipefail
build=$1
seconds=$2
shopt -s nullglob
status=0
for target in "$build"/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  log=$(mktemp)
  seeds="$build/fuzz/${name}_seeds"
  mkdir -p "$seeds"
  if "$target" -max_total_time="$seconds" -print_final_stats=1 "$work" "$seeds" >"$log" 2>&1; then
    echo "-- $name: $(grep -E 'number_of_executed_units' "$log" | awk '{print $2}') runs in ${seconds}s, no finding"
  else
    echo "-- $name: FINDING"
    tail -n 80 "$log"
    status=1
  fi
  rm -rf "$work" "$log"
done
exit $status
