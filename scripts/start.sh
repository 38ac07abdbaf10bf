#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The same configuration as scripts/test.sh, so the two never rebuild each other.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target tamrel-fotomaz
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Tamrel Fotomaz braucht eine Desktop-Sitzung (keine Anzeige gefunden: DISPLAY ist nicht gesetzt)." >&2
  echo "Starten Sie den Befehl in einem Terminal Ihres Desktops, oder zum Ausprobieren: xvfb-run build/app/tamrel-fotomaz" >&2
  exit 1
fi
exec build/app/tamrel-fotomaz
