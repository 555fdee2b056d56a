#!/usr/bin/env bash
# The real program in a real X window: started under Xvfb, found by its caption, photographed,
# driven by real key presses, and its files checked.
#   run-e2e.sh QUILRA_EXECUTABLE OUTPUT_FOLDER
# Exit 77 (skipped, with the reason) when the X tools are missing.
set -euo pipefail

program=${1:?the quilra executable}
output=${2:?a folder for the screenshots}

for tool in xvfb-run xdotool import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (tools/install-deps installs it)"
        exit 77
    fi
done

if [ "${QUILRA_E2E_INSIDE_X:-}" != 1 ]; then
    export QUILRA_E2E_INSIDE_X=1
    # -noreset: the server never resets when its last client leaves, so a program that connects
    # at that moment is never refused.
    exec xvfb-run -a -s "-noreset -screen 0 1280x800x24" "$0" "$@"
fi

mkdir -p "$output"
work=$(mktemp -d)
trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

# A program folder of its own, so that Settings.ini lands there; stores under a fresh home.
mkdir -p "$work/program" "$work/config" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
cp "$program" "$work/program/quilra"
# The templates lie beside the program, as a build and an installation put them.
for template in "$(dirname "$program")"/*template.nfo; do
    [ -f "$template" ] && cp "$template" "$work/program/"
done
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
unset QT_QPA_PLATFORM

fail() {
    echo "FAIL: $*"
    import -window root "$output/failure.png" 2>/dev/null || true
    exit 1
}

# Waits for a visible window whose caption matches the pattern; prints its id.
find_window() {
    timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

wait_for_exit() {
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.2
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end after Exit"
    wait "$pid" || fail "the program ended with status $?"
    pid=
}

# F10 opens the File menu; Up wraps round to its last item, Exit.
choose_exit() {
    xdotool windowfocus --sync "$1"
    xdotool key --window "$1" F10
    sleep 0.5
    xdotool key Up
    sleep 0.3
    [ -n "${2:-}" ] && import -window root "$output/$2"
    xdotool key Return
    [ "${3:-}" = asks ] || wait_for_exit
}

# An NFO file in a folder with a blank in its name: code page 437 bytes, CR LF line ends, its
# last line without a line end.
mkdir -p "$work/my art"
nfo="$work/my art/release.nfo"
iconv -f UTF-8 -t CP437 <<'ART' | sed 's/$/\r/' | head -c -2 >"$nfo"
  ▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄
 ██▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀██
 ██   ░░▒▒▓▓██  Q U I L R A  ·  N F O   V I E W E R  ██▓▓▒▒░░    ██
 ██▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄▄██
  ▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀▀
 ╔═══════════════════════════════╦════════════════════════════════╗
 ║ Release ..... Quilra v1.0     ║ Size ....... 1 x 2,88 MB       ║
 ║ Date ........ 12/06/2026      ║ Format ..... NFO, CP437        ║
 ╠═══════════════════════════════╩════════════════════════════════╣
 ║  Views and creates NFO files, byte for byte: shades ░ ▒ ▓,     ║
 ║  blocks █ ▄ ▀ ▌ ▐, lines ─ │ ┌ ┐ └ ┘, frames ═ ║ ╔ ╗ ╚ ╝.      ║
 ╚════════════════════════════════════════════════════════════════╝
ART
cp "$nfo" "$work/original.nfo"

# Without a display: the art as a PNG picture of 8 x 16 cells, 67 columns by 12 lines, in the
# window's colours, black on white; export.png is there for a person to look at.
env -u DISPLAY "$work/program/quilra" --export png --output "$output/export.png" "$nfo" ||
    fail "the export to PNG without a display failed"
picture=$(identify -format '%w x %h, %k colours' "$output/export.png") ||
    fail "export.png does not open as a picture"
[ "$picture" = "536 x 192, 2 colours" ] || fail "export.png is $picture, not 536 x 192, 2 colours"

# First run: the file named on the command line, saved with Ctrl+S, then Exit.
"$work/program/quilra" "$nfo" &
pid=$!
window=$(find_window '^Quilra - \(.*release\.nfo\)$') || fail "the file on the command line did not open"
echo "main window with the file: $window"
xdotool windowfocus --sync "$window"
sleep 1
import -window root "$output/main-window.png"
xdotool key --window "$window" ctrl+s
sleep 0.5
cmp -s "$work/original.nfo" "$nfo" || fail "Ctrl+S did not write the document back byte for byte"

# A typed key makes the document modified: Exit asks first. Escape cancels and nothing
# happens; the second time Enter saves (Save is the default) and the program ends.
xdotool key --window "$window" x
sleep 0.3
choose_exit "$window" "" asks
find_window '^Quilra$' >/dev/null || fail "Exit did not ask about the typed key"
sleep 0.5
import -window root "$output/save-changes.png"
xdotool key Escape
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the program ended although the question was cancelled"
cmp -s "$work/original.nfo" "$nfo" || fail "the cancelled question changed the file"
choose_exit "$window" "" asks
find_window '^Quilra$' >/dev/null || fail "the second Exit did not ask"
sleep 0.5
xdotool key Return
wait_for_exit
{ printf 'x'; cat "$work/original.nfo"; } | cmp -s - "$nfo" || fail "Save in the question did not save the typed key"
cp "$nfo" "$work/original.nfo"

store="$work/config/Quilra/Quilra.conf"
[ -f "$store" ] || fail "no per-user store was written"
grep -q '^opened=0' "$store" || fail "the run counter was not stored: $(cat "$store")"
grep -q 'release.nfo' "$store" || fail "the recent files were not stored: $(cat "$store")"

# Second run: the file comes back from the File menu's recent list (above Exit).
"$work/program/quilra" &
pid=$!
window=$(find_window '^Quilra$') || fail "no window captioned Quilra appeared"
xdotool windowfocus --sync "$window"
sleep 0.5
xdotool key --window "$window" F10
sleep 0.5
xdotool key Up Up
sleep 0.3
import -window root "$output/recent-file-chosen.png"
xdotool key Return
find_window '^Quilra - \(.*release\.nfo\)$' >/dev/null || fail "the recent file did not reopen"
# The generator's form, for the README: Alt+A is Auto Generate; a title typed into the form
# shows in the preview beside it.
xdotool key --window "$window" alt+a
sleep 1
xdotool mousemove --window "$window" 380 115 click 1
xdotool type --delay 50 "Quilra"
sleep 0.5
import -window root "$output/generator.png"
choose_exit "$window"
grep -q '^opened=1' "$store" || fail "the second run was not counted: $(cat "$store")"

# Files in UTF-8 (with a mark) and UTF-16 come back unchanged after Ctrl+S.
printf '\xef\xbb\xbf\xe2\x96\x91\xe2\x96\x92 UTF-8 \xe2\x95\x94\xe2\x95\x97\n\xe2\x95\x9a\xe2\x95\x9d\n' >"$work/utf8.nfo"
printf '\xff\xfe\x91\x25\x92\x25\x93\x25\r\x00\n\x00' >"$work/utf16.nfo"
for encoded in utf8 utf16; do
    cp "$work/$encoded.nfo" "$work/$encoded.original"
    "$work/program/quilra" "$work/$encoded.nfo" &
    pid=$!
    window=$(find_window "^Quilra - \\(.*$encoded\\.nfo\\)\$") || fail "$encoded.nfo did not open"
    xdotool windowfocus --sync "$window"
    sleep 0.5
    [ "$encoded" = utf8 ] && import -window root "$output/utf8.png"
    xdotool key --window "$window" ctrl+s
    sleep 0.5
    cmp -s "$work/$encoded.original" "$work/$encoded.nfo" || fail "Ctrl+S changed $encoded.nfo"
    choose_exit "$window"
done

# The generator at 12-point fonts (9 points at 128 dpi) and at twice the size, to look at.
for look in "QT_FONT_DPI=128 font-12pt" "QT_SCALE_FACTOR=2 scale-2"; do
    env "${look% *}" "$work/program/quilra" "$nfo" &
    pid=$!
    window=$(find_window '^Quilra - \(.*release\.nfo\)$') || fail "no window with ${look% *}"
    xdotool windowfocus --sync "$window" key --window "$window" alt+a sleep 1
    import -window root "$output/${look#* }.png"
    choose_exit "$window"
done

echo "PASS: exported to PNG without a display, file opened from the command line, saved with Ctrl+S byte for byte, the generator shown, Exit from the File menu, reopened from the recent files after a restart, UTF-8 and UTF-16 files saved unchanged"
