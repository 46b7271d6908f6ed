#!/usr/bin/env bash
# Runs clang-tidy over our own sources (not the generated moc files) with .clang-tidy.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh clang-tidy
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" >/dev/null # the generated headers must exist
if run-clang-tidy -p build -quiet "$PWD/(app|ui|design|sweep|datafile)/" 2>&1 \
    | sed 's/\x1b\[[0-9;]*m//g' | grep -E '^/.*(warning|error):'; then
  exit 1
fi
echo "clang-tidy: no findings"
