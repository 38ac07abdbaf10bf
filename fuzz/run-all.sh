#!/usr/bin/env bash
# run-all.sh BUILD_DIR SECONDS: runs every fuzz target of BUILD_DIR/fuzz for
# SECONDS each, starting from its seed corpus; fails on the first finding.
set -euo pipefail
build=$1
seconds=$2
shopt -s nullglob
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  seeds="$build/fuzz/${name}_seeds"
  mkdir -p "$seeds"
  echo "-- $name for ${seconds}s"
  "$target" -max_total_time="$seconds" -print_final_stats=1 "$work" "$seeds" 2>&1 | tail -n 15
  rm -rf "$work"
done
