#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the normal build and
# what it installs, the sanitizer build, the thread sanitizer build of the
# threaded layers' tests, then each fuzz target for a short time when clang
# is present.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
bash scripts/check-layers.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== installation (cmake --install into a temporary prefix)"
bash scripts/check-install.sh build

echo "== sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer)"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFOTOMAZ_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

# The tests of the layers whose code runs on threads (the run's readers of
# dates ahead, moves in flight), built alone: the whole tree under
# ThreadSanitizer would double the stage's time on two cores.
echo "== thread sanitizer build (ThreadSanitizer)"
cmake -S . -B build-threads -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFOTOMAZ_THREADS=ON \
  -DFOTOMAZ_GUI=OFF >/dev/null
cmake --build build-threads -j "$jobs" --target platform_tests metadata_tests run_tests
TSAN_OPTIONS=halt_on_error=1 \
  ctest --test-dir build-threads --output-on-failure -j "$jobs" \
  -L '^(platform|metadata|run)_tests$'

if command -v clang++ >/dev/null; then
  # FOTOMAZ_FUZZ_SECONDS times three is the fuzzing time of the whole run
  # (three minutes by default), shared by all fuzz targets.
  echo "== fuzz targets (three minutes in all)"
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFOTOMAZ_FUZZ=ON -DFOTOMAZ_GUI=OFF -DFOTOMAZ_TESTS=OFF >/dev/null
  cmake --build build-fuzz -j "$jobs" --target fuzz_all
  bash fuzz/run-all.sh build-fuzz "$((${FOTOMAZ_FUZZ_SECONDS:-60} * 3))"
fi
echo "All tests passed."
