#!/usr/bin/env bash
# Checks of what a Linux installation gets: check.sh CASE BUILD_DIR.
#   desktop-entry   the menu entry passes desktop-file-validate
#   metainfo        the AppStream metainfo passes appstreamcli validate
#   mime-type       the MIME type compiles and recognises a data file by its first bytes
#   manuals         each manual page renders without a warning
#   package         cpack makes the .deb from the build tree; its contents, the programs run
#                   from the unpacked tree, and lintian finds no error
set -euo pipefail
case_name=$1
build=$(cd "$2" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

desktop_entry() {
    desktop-file-validate "$source_dir/dist/linux/com.halvern.qtr31x.desktop"
}

metainfo() {
    appstreamcli validate --no-net --pedantic "$build/dist/com.halvern.qtr31x.metainfo.xml"
    grep -q '<caption>' "$build/dist/com.halvern.qtr31x.metainfo.xml" || fail "no screenshot caption"
}

mime_type() {
    mkdir -p "$scratch/mime/packages"
    cp "$source_dir/dist/linux/qtr31x-mime.xml" "$scratch/mime/packages/qtr31x.xml"
    update-mime-database "$scratch/mime" 2>/dev/null
    grep -q 'application/x-qtr31x-data:\*\.dat' "$scratch/mime/globs2" || fail "no *.dat glob"
    for magic in ZR5816B ZR581LB; do
        grep -aq "$magic" "$scratch/mime/magic" || fail "no magic $magic"
    done
}

manuals() {
    for page in qtr31x qtr31x-cli qtr31x-sim; do
        local warnings
        warnings=$(MANWIDTH=80 man --warnings -l "$build/dist/man/$page.1" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$page.1: $warnings"
        MANWIDTH=80 man -l "$build/dist/man/$page.1" 2>/dev/null | grep -q "^NAME" || fail "$page.1 does not render"
    done
}

expect_listed() {
    local path
    for path in "$@"; do
        grep -q " \./usr/$path\$" "$scratch/contents" || fail "the package has no /usr/$path"
    done
}

package_contents() {
    dpkg-deb -c "$deb" > "$scratch/contents"
    expect_listed bin/qtr31x bin/qtr31x-cli bin/qtr31x-sim \
        share/qtr31x/qtr31x_e.lng share/qtr31x/qtr31x_s.lng share/qtr31x/qtr31x_c.lng \
        share/qtr31x/qtr31x_e_LMR/index.html share/qtr31x/qtr31x_e_BRS/index.html \
        "share/qtr31x/Call Tone 1.wav" "share/qtr31x/Call Tone 10.wav" \
        share/applications/com.halvern.qtr31x.desktop share/metainfo/com.halvern.qtr31x.metainfo.xml \
        share/mime/packages/qtr31x.xml share/icons/hicolor/scalable/apps/qtr31x.svg \
        share/man/man1/qtr31x.1.gz share/man/man1/qtr31x-cli.1.gz share/man/man1/qtr31x-sim.1.gz \
        share/doc/qtr31x/copyright share/doc/qtr31x/changelog.gz lib/qtr31x/libqtr31x_sound.so
    ! grep -q '\./usr/bin/.*\.\(lng\|wav\)$' "$scratch/contents" || fail "resources left in bin/"
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    for package in libqt6widgets6 fonts-liberation2 fonts-wqy-microhei \
        qt6-translations-l10n libqt6multimedia6 qt6-qpa-plugins; do
        grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package: $depends"
    done
}

# The unpacked programs find their files in ../share/qtr31x, under a prefix they were not
# built for, and nothing of the build tree is reachable from there.
unpacked_programs() {
    local root="$scratch/root" bin="$scratch/root/usr/bin"
    dpkg-deb -x "$deb" "$root"
    # A home of their own: the desktop program, stopped below, leaves a recovery copy.
    export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share" \
        XDG_STATE_HOME="$scratch/home/.local/state" XDG_CACHE_HOME="$scratch/home/.cache" \
        XDG_RUNTIME_DIR="$scratch/runtime"
    mkdir -p "$HOME"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    "$bin/qtr31x-cli" new --model 2 --channels 8 "$scratch/radio.dat"
    "$bin/qtr31x-cli" show "$scratch/radio.dat" > "$scratch/show.txt"
    grep -q "RB-8100" "$scratch/show.txt" || fail "show printed no model: $(cat "$scratch/show.txt")"
    mv "$root/usr/share/qtr31x/qtr31x_e.lng" "$scratch/"
    ! "$bin/qtr31x-cli" show "$scratch/radio.dat" 2>"$scratch/err.txt" || fail "ran without its language file"
    grep -q "$root/usr/share/qtr31x/qtr31x_e.lng" "$scratch/err.txt" || fail "unexpected error: $(cat "$scratch/err.txt")"
    mv "$scratch/qtr31x_e.lng" "$root/usr/share/qtr31x/"
    for program in qtr31x qtr31x-cli qtr31x-sim; do
        "$bin/$program" --version | grep -qx "$program [0-9.]*" || fail "$program --version"
        "$bin/$program" --help | grep -q "Usage" || fail "$program --help"
    done
    desktop_program_starts "$bin/qtr31x"
}

# The main window's title holds the model and the file name, texts of the language file;
# without it the program would stop at its error message instead. The wait ends when the
# window shows or the program ends; its bound is reached only by a program that hangs, however
# loaded the machine.
desktop_program_starts() {
    xvfb-run -a bash -c '
        "$1" & program=$!
        for _ in $(seq 1 1200); do
            if xwininfo -root -tree | grep -q "\] \[.* : .*\]"; then kill $program; exit 0; fi
            kill -0 $program 2>/dev/null || break
            sleep 0.1
        done
        xwininfo -root -tree | grep "\"" >&2
        kill $program 2>/dev/null; exit 1' _ "$1" || fail "the installed desktop program showed no main window"
}

package() {
    (cd "$build" && cpack -G DEB > "$scratch/cpack.log") || { cat "$scratch/cpack.log"; fail "cpack"; }
    deb=$(ls "$build"/package/qtr31x_*.deb)
    package_contents
    unpacked_programs
    lintian --tag-display-limit 0 "$deb" > "$scratch/lintian.txt" 2>&1 || true
    cat "$scratch/lintian.txt"
    ! grep -q '^E:' "$scratch/lintian.txt" || fail "lintian reports errors"
}

"${case_name//-/_}"
