#!/usr/bin/env bash
# Configures and builds one flavour of the tree: build.sh DIR [CMAKE OPTIONS...]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
dir="$1"
shift
cmake -S "$root" -B "$root/$dir" -G Ninja "$@" >/dev/null
cmake --build "$root/$dir" --parallel "$(nproc)"
