#!/usr/bin/env bash
# check-layers.sh BUILD_DIR: the layers keep their direction. Includes point
# only downward, a library's internal headers are included by none but
# itself (and its tests), the Qt-free layers include no Qt, and no Qt-free
# target links a Qt one (read from CMake's target graph of BUILD_DIR). The
# metadata library keeps no mutable global (read from its objects in
# BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
status=0

# layer folder, the include prefixes it may use (besides its own), and
# whether it is Qt-free.
check_includes() {
  local layer=$1 allowed=$2 qtfree=$3
  local files
  files=$(git ls-files "$layer/*.cpp" "$layer/*.h")
  [ -n "$files" ] || return 0
  local bad
  # A header without a folder is generated into the build tree (the
  # program's name and version); every layer may use it.
  bad=$(grep -nE '^#include "[^"]*/' $files | grep -vE "#include \"($layer/|$allowed)" || true)
  if [ -n "$bad" ]; then
    echo "check-layers: $layer includes a layer above it or beside it:"
    echo "$bad"
    status=1
  fi
  if [ "$qtfree" = yes ]; then
    bad=$(grep -nE '^#include <Q' $files || true)
    if [ -n "$bad" ]; then
      echo "check-layers: $layer must not include Qt:"
      echo "$bad"
      status=1
    fi
  fi
}

check_includes platform 'platform/' yes
check_includes metadata 'platform/' yes
check_includes run 'metadata/|platform/' yes
check_includes settings 'platform/|run/option_table\.h"' no
check_includes window 'run/|settings/|metadata/|platform/' no

# Internal headers: a library's <lib>/internal/ headers are its own. Only
# the library and its tests include them; the reader's fuzz targets also
# drive its inner parsers (the tag renderer) directly.
check_internal() {
  local lib=$1 users=$2
  local bad
  bad=$(git ls-files '*.cpp' '*.h' | grep -vE "^($lib/|tests/$lib/${users:+|$users})" |
    xargs grep -nE "^#include \"$lib/internal/" || true)
  if [ -n "$bad" ]; then
    echo "check-layers: $lib/internal/ is included from outside $lib/:"
    echo "$bad"
    status=1
  fi
}

check_internal platform ''
check_internal metadata 'fuzz/'
check_internal run ''

# Links: the graph of every target lists everything it links, directly or not.
graph=$(mktemp -d)
trap 'rm -rf "$graph"' EXIT
cmake -S . -B "$build" --graphviz="$graph/deps.dot" >/dev/null
for target in fotomaz_platform fotomaz_metadata fotomaz_run fotomaz-verteilen fotomaz-bench \
  fotomaz_bench_kit fotomaz-exif; do
  file="$graph/deps.dot.$target"
  [ -f "$file" ] || continue
  if grep -q 'label = "Qt6' "$file"; then
    echo "check-layers: $target links Qt"
    status=1
  fi
done
file="$graph/deps.dot.fotomaz_settings_gui"
if [ -f "$file" ] && grep -qE 'label = "fotomaz_(run|window)"' "$file"; then
  echo "check-layers: the options dialog links the run"
  status=1
fi
# The reader is reentrant: its objects define no variable in a writable data
# section. Constant data with relocations (.data.rel.ro), the guard variables
# of function-local statics and the compiler's exception-handling references
# (DW.ref.*) are allowed.
library="$build/metadata/libfotomaz_metadata.a"
if [ -f "$library" ]; then
  # A symbol line: "address flags section<TAB>size [.hidden] name".
  bad=$(objdump -t "$library" | awk -F'\t' '
    NF == 2 && $1 ~ / O / {
      n = split($1, head, " "); section = head[n]
      m = split($2, tail, " "); name = tail[m]
      if (section ~ /^\.(t?data|t?bss)($|\.)/ && section !~ /^\.data\.rel\.ro/ &&
          name !~ /^(_ZGV|DW\.ref\.)/) print section " " name
    }' | c++filt)
  if [ -n "$bad" ]; then
    echo "check-layers: the metadata library has mutable globals:"
    echo "$bad"
    status=1
  fi
else
  echo "check-layers: $library is not built"
  status=1
fi
[ $status -eq 0 ] && echo "check-layers: includes and links point downward, internal headers stay inside, no mutable global in metadata/"
exit $status
