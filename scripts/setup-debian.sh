#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the tools need; does nothing when all are there.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config git
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev libxcb1-dev fonts-liberation xvfb
  libsndfile1-dev sox
  hyperfine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
