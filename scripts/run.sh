#!/usr/bin/env bash
# Builds Lumivane and starts it. Without a display (or before the desktop
# program exists in this build) it shows what lumivane-cli can do instead.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"

if [ -x build/src/gui/lumivane ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec build/src/gui/lumivane "$@"
fi

if [ -x build/src/gui/lumivane ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are unset): the desktop program cannot open a window."
  echo "lumivane-cli works without a display; a demonstration follows."
fi
cli=build/src/cli/lumivane-cli
echo "\$ lumivane-cli dict 华"
"$cli" dict 华
echo "\$ lumivane-cli score 王 明华"
"$cli" score 王 明华
