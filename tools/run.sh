#!/usr/bin/env bash
# Sets the machine up, builds the release tree and runs the bundled example (or the Logo file
# given) in a window; without a display, on the console.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh" build -DCMAKE_BUILD_TYPE=Release
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$root/build/velmora" run "${1:-$root/examples/star.logo}"
fi
exec "$root/build/velmora" logo "${1:-$root/examples/hello.logo}"
