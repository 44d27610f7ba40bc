#!/usr/bin/env bash
# Sets up a fresh machine, builds the analyzer and runs it; without arguments it shows the meter's
# readings of its built-in demonstration programme. Arguments are passed to kelvaro-analyze.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)" --target kelvaro-analyze
build/release/tools/kelvaro-analyze/kelvaro-analyze "$@"
