#!/usr/bin/env bash
# Builds Velmora (release) and runs its main job.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
exec build/release/tools/velmora-backtest data/sample-history.csv "$@"
