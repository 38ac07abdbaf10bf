#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what landed: the
# desktop entry and the AppStream file validate, every program has a manual
# page that renders without warnings, the installed window program runs and
# ends cleanly on SIGTERM, and each front end keeps its options where the
# settings rule says (installed: under XDG_CONFIG_HOME, the same file for
# both; built or copied: beside the program).
# Usage: scripts/check-install.sh [BUILD]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd -P)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
ini=TamrelFotomaz/TamrelFotomaz.ini

fail() {
  echo "check-install: $*" >&2
  exit 1
}

# Starts a window program offscreen, lets it run for $2 seconds, sends SIGTERM
# and requires exit status 0 within ten seconds.
run_window_and_terminate() {
  local program=$1 seconds=$2 log=$work/window.log
  QT_QPA_PLATFORM=offscreen "$program" >"$log" 2>&1 &
  local pid=$!
  sleep "$seconds"
  kill -0 "$pid" 2>/dev/null || fail "$program ended before $seconds s: $(cat "$log")"
  kill -TERM "$pid"
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    fail "$program did not end within 10 s of SIGTERM"
  fi
  local status=0
  wait "$pid" || status=$?
  [ "$status" -eq 0 ] || fail "$program ended with status $status on SIGTERM: $(cat "$log")"
}

# The settings file fotomaz-verteilen --hilfe names.
settings_in_help() {
  "$@" --hilfe | sed -n 's/^Einstellungsdatei: //p'
}

expect_equal() {
  [ "$1" = "$2" ] || fail "$3: expected '$2', got '$1'"
}

cmake --install "$build" --prefix "$prefix" >/dev/null
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

echo "-- installed programs answer --version"
for tool in fotomaz-verteilen fotomaz-exif; do
  expect_equal "$("$prefix/bin/$tool" --version)" "$tool $version" "$tool --version"
done

echo "-- desktop entry, icon, AppStream"
entries=("$prefix"/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || fail "expected one desktop entry"
out=$(desktop-file-validate "${entries[0]}" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
icon=$(sed -n 's/^Icon=//p' "${entries[0]}")
for size in scalable 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
  ls "$prefix/share/icons/hicolor/$size/apps/$icon".* >/dev/null 2>&1 || fail "no $size icon '$icon'"
done
out=$(appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml 2>&1) ||
  fail "appstreamcli validate: $out"

echo "-- manual pages and bash completion"
for program in "$prefix"/bin/*; do
  page=$prefix/share/man/man1/$(basename "$program").1
  [ -f "$page" ] || fail "no manual page for $(basename "$program")"
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man -l $page: $warnings"
done
bash -n "$prefix/share/bash-completion/completions/fotomaz-verteilen" ||
  fail "the bash completion does not parse"

echo "-- installed: both front ends use \$XDG_CONFIG_HOME/$ini"
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_CONFIG_HOME/TamrelFotomaz" "$work/quelle" "$work/ziel"
touch "$work/quelle/bild.png"
# The window erases its [Form1] section when it closes, which shows the file
# it uses; a file beside the installed program must stay as it is.
printf '[Form1]\nx=1\n[optionenf]\nquellee=%s/\nziele=%s/\n' "$work/quelle" "$work/ziel" \
  >"$XDG_CONFIG_HOME/$ini"
printf '[Form1]\nx=1\n' >"$prefix/bin/TamrelFotomaz.ini"
run_window_and_terminate "$prefix/bin/tamrel-fotomaz" 3
! grep -q '^\[Form1\]' "$XDG_CONFIG_HOME/$ini" ||
  fail "the installed window program did not use $XDG_CONFIG_HOME/$ini"
grep -q '^\[Form1\]' "$prefix/bin/TamrelFotomaz.ini" ||
  fail "the installed window program changed the file beside it"
rm "$prefix/bin/TamrelFotomaz.ini"
expect_equal "$(settings_in_help "$prefix/bin/fotomaz-verteilen")" "$XDG_CONFIG_HOME/$ini" \
  "installed fotomaz-verteilen --hilfe"
planned=$("$prefix/bin/fotomaz-verteilen" --probelauf 2>"$work/probelauf.err")
grep -qF "$work/quelle/bild.png -> $work/ziel/" <<<"$planned" ||
  fail "installed fotomaz-verteilen did not read the folders of $XDG_CONFIG_HOME/$ini:" \
    "$planned $(cat "$work/probelauf.err")"
expect_equal "$(HOME=$work/home settings_in_help env -u XDG_CONFIG_HOME "$prefix/bin/fotomaz-verteilen")" \
  "$work/home/.config/$ini" "installed fotomaz-verteilen --hilfe without XDG_CONFIG_HOME"

echo "-- built or copied: beside the program"
expect_equal "$(settings_in_help "$build/app/fotomaz-verteilen")" "$build/app/TamrelFotomaz.ini" \
  "fotomaz-verteilen --hilfe in the build folder"
mkdir "$work/kopie"
cp "$build/app/tamrel-fotomaz" "$build/app/fotomaz-verteilen" "$work/kopie/"
printf '[Form1]\nx=1\n' >"$work/kopie/TamrelFotomaz.ini"
printf '[Form1]\nx=1\n' >"$XDG_CONFIG_HOME/$ini"
run_window_and_terminate "$work/kopie/tamrel-fotomaz" 2
! grep -q '^\[Form1\]' "$work/kopie/TamrelFotomaz.ini" ||
  fail "a copied window program did not use the file beside it"
grep -q '^\[Form1\]' "$XDG_CONFIG_HOME/$ini" || fail "a copied window program changed $XDG_CONFIG_HOME/$ini"
expect_equal "$(settings_in_help "$work/kopie/fotomaz-verteilen")" "$work/kopie/TamrelFotomaz.ini" \
  "copied fotomaz-verteilen --hilfe"
echo "Installation checks passed."
