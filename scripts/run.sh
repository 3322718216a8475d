#!/usr/bin/env bash
# Installs what is missing, builds Tavlo, and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
exec build/bin/tavlo "$@"
