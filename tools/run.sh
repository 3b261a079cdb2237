#!/usr/bin/env bash
# Sets the machine up, builds the release tree and runs the player on the bundled example (or on
# the Logo file given).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/tools/setup.sh"
bash "$root/tools/build.sh" build -DCMAKE_BUILD_TYPE=Release
exec "$root/build/velmora" logo "${1:-$root/examples/hello.logo}"
