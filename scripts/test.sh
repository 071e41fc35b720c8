#!/usr/bin/env bash
# Builds Velmora with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset ci
cmake --build --preset ci
ctest --preset ci --no-label-summary
