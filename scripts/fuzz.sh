#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang (AddressSanitizer and UndefinedBehaviorSanitizer) into
# build-fuzz/ and runs each for SECONDS, two at a time, starting from the seed corpus in
# fuzz/corpus/NAME. Findings go to build-fuzz/findings/NAME/, logs to build-fuzz/logs/NAME.log.
#   scripts/fuzz.sh 600                  every harness for ten minutes
#   scripts/fuzz.sh 60 fuzz_bmp fuzz_profile
#   FUZZ_JOBS=1 scripts/fuzz.sh 600 ...  one at a time, leaving a core free
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS [HARNESS...]}
shift
command -v clang++ >/dev/null || {
    as_root=(); [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" apt-get install -y -q --no-install-recommends clang
}
out=build-fuzz
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g"
cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DQUORVI_BUILD_GUI=OFF -DQUORVI_BUILD_TESTS=OFF -DQUORVI_BUILD_BENCHMARKS=OFF \
    -DQUORVI_BUILD_FUZZERS=ON -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=($(sed -n 's/^    \(fuzz_[a-z_]*\)$/\1/p' fuzz/harnesses.cmake))
cmake --build "$out" -j "$(nproc)" --target "${harnesses[@]}"
run() {
    local name=$1
    mkdir -p "$out/corpus/$name" "$out/findings/$name" "$out/logs"
    cp -n fuzz/corpus/"$name"/* "$out/corpus/$name/" 2>/dev/null || true
    "$out/fuzz/$name" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$out/findings/$name/" \
        "$out/corpus/$name" >"$out/logs/$name.log" 2>&1 &&
        echo "$name: done" || echo "$name: FINDING, see $out/logs/$name.log"
}
running=0
for name in "${harnesses[@]}"; do
    run "$name" &
    running=$((running + 1))
    if [ "$running" -ge "${FUZZ_JOBS:-2}" ]; then wait -n; running=$((running - 1)); fi
done
wait
for name in "${harnesses[@]}"; do
    printf '%-22s %s\n' "$name" "$(grep -E 'stat::number_of_executed_units' "$out/logs/$name.log" | tail -1)"
done
