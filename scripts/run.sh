#!/usr/bin/env bash
# Builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target anodyne-pa
exec ./build/app/anodyne-pa
