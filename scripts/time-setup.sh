#!/usr/bin/env bash
# Times a new user's set-up: clones the repository (its committed state) into a temporary
# folder, runs the README's two set-up commands there and reports the seconds of each stage,
# so that a change that slows the build shows in its review.
#
#   scripts/time-setup.sh [first|test|both]     (default both)
#
# The first command's last stage is the time from starting the desktop program to its main
# window shown, on a virtual display. A compiler cache, when the machine has one, is used as
# the build uses it; CCACHE_DISABLE=1 times a machine without one.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
commands=${1:-both}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
git clone -q "$source_dir" "$scratch/qtr31x"
cd "$scratch/qtr31x"
jobs=$(nproc)

now() { date +%s.%N; }
report() { awk -v name="$1" -v start="$2" -v end="$3" 'BEGIN { printf "%-62s %8.2f s\n", name, end - start }'; }

# Runs a stage's command with its output in the log; reports its seconds.
stage() {
    local name=$1 start
    shift
    start=$(now)
    "$@" >> "$scratch/log" 2>&1 || { tail -n 40 "$scratch/log"; echo "$name failed" >&2; exit 1; }
    report "$name" "$start" "$(now)"
}

# Starts the desktop program on a virtual display and reports the time until its main window,
# whose title holds the model and the file name, is shown; the display's own start is not counted.
window_shown() {
    xvfb-run -a bash -c '
        start=$(date +%s.%N)
        "$1" 2>>"$2" & program=$!
        until xwininfo -root -tree | grep -q "\] \[.* : .*\]"; do
            kill -0 $program 2>/dev/null || exit 1
            sleep 0.01
        done
        end=$(date +%s.%N)
        kill $program
        echo "$start $end"' _ build/bin/qtr31x "$scratch/log" > "$scratch/window"
    read -r start end < "$scratch/window"
    report "first: start to the main window" "$start" "$end"
}

# Runs the test command, reporting the seconds of each stage it announces with a "== " line.
test_stages() {
    local name="" start line
    start=$(now)
    while IFS= read -r line; do
        echo "$line" >> "$scratch/log"
        [[ $line == "== "* ]] || continue
        [ -z "$name" ] || report "test: ${name}" "$start" "$(now)"
        name=${line#== }
        start=$(now)
    done < <(scripts/run-tests.sh 2>&1; echo "== exit $?")
    [ "$name" = "exit 0" ] || { tail -n 40 "$scratch/log"; echo "the test command failed" >&2; exit 1; }
}

echo "ccache: $(command -v ccache >/dev/null && [ -z "${CCACHE_DISABLE:-}" ] && echo used || echo not used); $jobs cores"
total=$(now)
if [ "$commands" != test ]; then
    stage "first: install" scripts/install-deps.sh
    stage "first: configure" cmake -S . -B build -G Ninja -DQTR_BUILD_TESTS=OFF
    stage "first: build" cmake --build build -j"$jobs"
    window_shown
fi
if [ "$commands" != first ]; then
    stage "test: install" scripts/install-deps.sh
    test_stages
fi
report "all" "$total" "$(now)"
