#!/usr/bin/env bash
# Builds and runs every test: a warnings-as-errors build, a sanitizer build, and a
# short run of each fuzzer. Each build has a folder of its own, so that none rebuilds
# another's (build/ is the programs' own build of the README).
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
# Most tests wait on a line, a timer or a window rather than the processor, so twice as many
# run at once as there are cores; none depends on the machine's load.
test_jobs=$((2 * jobs))
fuzz_seconds=${QTR_FUZZ_SECONDS:-5}

# The "== " lines name the stages that scripts/time-setup.sh times.
echo "== warnings-as-errors build: configure"
# Optimised as the program is, but without its debug symbols, which would cost a third of the
# compile time here.
cmake -S . -B build-tests -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DQTR_WARNINGS_AS_ERRORS=ON
echo "== warnings-as-errors build: build"
cmake --build build-tests -j"$jobs"
echo "== warnings-as-errors build: tests"
ctest --test-dir build-tests --output-on-failure -j"$test_jobs"

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build: configure"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQTR_WARNINGS_AS_ERRORS=ON -DQTR_SANITIZE=ON
echo "== AddressSanitizer + UndefinedBehaviorSanitizer build: build"
cmake --build build-asan -j"$jobs"
echo "== AddressSanitizer + UndefinedBehaviorSanitizer build: tests"
# The slow tests (transfers at the real line pace, the package) would only repeat their
# timing under the sanitizers; they ran above.
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j"$test_jobs" --label-exclude slow

echo "== fuzzers (${fuzz_seconds} s each)"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQTR_FUZZ=ON -DQTR_BUILD_TESTS=OFF
fuzzers="fuzz_data_file fuzz_language_file fuzz_channel_csv fuzz_ini_settings"
# shellcheck disable=SC2086 # one target per word
cmake --build build-fuzz -j"$jobs" --target $fuzzers
for fuzzer in $fuzzers; do
    corpus=$(mktemp -d)
    cp fuzz/corpus/"$fuzzer"/* "$corpus"/ 2>/dev/null || true
    if [ "$fuzzer" = fuzz_language_file ]; then cp lang/*.lng "$corpus"/; fi
    if ! build-fuzz/bin/"$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=1 "$corpus" > "$corpus.log" 2>&1; then
        tail -n 40 "$corpus.log"
        echo "$fuzzer found a failure"
        exit 1
    fi
    echo "$fuzzer: $(grep -E '^(stat::number_of_executed_units|Done)' "$corpus.log" | tr '\n' ' ')"
    rm -rf "$corpus" "$corpus.log"
done
echo "All test stages passed."
