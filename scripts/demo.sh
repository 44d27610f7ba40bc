#!/usr/bin/env bash
# Sets up a fresh machine, builds the plug-in module and the two tools, then plays the built-in
# demonstration programme through the module in the host program (processed audio and the
# plug-in window's picture under build/demo/) and prints the meter's readings of the same
# programme from the analyzer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)" --target Kelvaro kelvaro-host kelvaro-analyze

host=build/release/host/kelvaro-host/kelvaro-host
bundle=build/release/adapter/bundle/Kelvaro.bundle
mkdir -p build/demo

echo "== kelvaro-host info"
"$host" info "$bundle"
echo
echo "== kelvaro-host run (the demonstration programme through the plug-in)"
"$host" run "$bundle" --output build/demo/processed.wav --snapshot build/demo/window.png
echo "processed audio: build/demo/processed.wav"
echo "plug-in window:  build/demo/window.png"
echo
echo "== kelvaro-analyze (the meter's readings of the same programme)"
build/release/tools/kelvaro-analyze/kelvaro-analyze
