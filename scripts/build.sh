#!/usr/bin/env bash
# scripts/build.sh DIR [cmake options...]: configures and builds into DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
