#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a set time
# (FUZZ_SECONDS, default 60). Exits non-zero on the first finding; the input that
# caused it is left in build-fuzz/findings/ to turn into a regression test.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}

scripts/install-deps.sh fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCUNEOLA_FUZZ=ON \
  -DCMAKE_RULE_MESSAGES=OFF -DCMAKE_TARGET_MESSAGES=OFF \
  -DCUNEOLA_BUILD_UI=OFF -DBUILD_TESTING=OFF -DCUNEOLA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target val_fuzz roundtrip_fuzz

mkdir -p build-fuzz/findings
for target in val roundtrip; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  cp -n fuzz/corpus/$target/* "$corpus"/ 2>/dev/null || true
  echo "== fuzzing $target for ${seconds}s"
  build-fuzz/fuzz/${target}_fuzz -max_total_time="$seconds" -max_len=4096 -timeout=5 \
    -artifact_prefix=build-fuzz/findings/${target}- -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
  [[ ${PIPESTATUS[0]} -eq 0 ]] || { echo "fuzz target $target found a failing input"; exit 1; }
done
echo "fuzzing: no findings"
