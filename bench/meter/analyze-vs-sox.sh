#!/usr/bin/env bash
# kelvaro-analyze against `sox FILE -n stats` on the same 10-minute 44.1 kHz stereo float WAV, both
# reading the file from the page cache. Goal: the analyzer at least 3x faster.
# usage: bench/meter/analyze-vs-sox.sh [BUILD_DIR]   (default build/release)
set -euo pipefail

build=${1:-build/release}
analyzer=$build/tools/kelvaro-analyze/kelvaro-analyze
file=${TMPDIR:-/tmp}/kelvaro-bench-10min.wav
[[ -x $analyzer ]] || { echo "no $analyzer; build kelvaro-analyze first" >&2; exit 1; }
if [[ ! -f $file ]]; then
  # Pink noise and a tone under a slow tremolo: levels that move, like programme material.
  sox -n -r 44100 -c 2 -b 32 -e floating-point "$file" \
    synth 600 pinknoise sine 440 remix 1v0.3,2v0.2 1v0.2,2v0.3 tremolo 0.3 60
fi
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
hyperfine -N --warmup 2 --runs "${RUNS:-15}" --export-json "${file%.wav}.json" \
  "$analyzer $file" "sox $file -n stats"
python3 - "${file%.wav}.json" <<'PY'
import json, sys
a, s = json.load(open(sys.argv[1]))["results"]
print(f"medians: kelvaro-analyze {a['median'] * 1e3:.0f} ms, sox {s['median'] * 1e3:.0f} ms, "
      f"ratio {s['median'] / a['median']:.2f}x")
PY
echo "load: $(cut -d' ' -f1-3 /proc/loadavg)"
