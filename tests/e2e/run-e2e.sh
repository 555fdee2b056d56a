#!/usr/bin/env bash
# The real program in a real X window: started under Xvfb, found by its caption, photographed,
# driven by real key presses, and its files checked. Each step waits for the window it needs (by
# caption and kind, shown or gone) or for the file to be written, never a fixed time but before
# a photograph, so a busy machine only makes the test slower.
#   run-e2e.sh QUILRA_EXECUTABLE OUTPUT_FOLDER
# Exit 77 (skipped, with the reason) when the X tools are missing.
set -euo pipefail

program=${1:?the quilra executable}
output=${2:?a folder for the screenshots}

for tool in Xvfb xdotool xprop xwininfo import; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is not installed (tools/install-deps installs it)"
        exit 77
    fi
done

# Runs the command every tenth of a second until it succeeds, for at most the given seconds.
poll() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

if [ "${QUILRA_E2E_INSIDE_X:-}" != 1 ]; then
    # A server of its own, on a display number that the server itself finds free (-displayfd),
    # so that tests started at the same moment never take the same one. -noreset: the server
    # never resets when its last client leaves, so a program that connects then is not refused.
    numbers=$(mktemp)
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x800x24 3>"$numbers" 2>/dev/null &
    server=$!
    trap 'kill "$server" 2>/dev/null; rm -f "$numbers"' EXIT
    trap 'exit 143' TERM INT
    poll 30 test -s "$numbers" || { echo "FAIL: Xvfb did not start"; exit 1; }
    QUILRA_E2E_INSIDE_X=1 DISPLAY=":$(cat "$numbers")" "$0" "$@"
    exit
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
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" \
       XDG_STATE_HOME="$work/state"
unset QT_QPA_PLATFORM

# What the test is doing, with the time, so that a slow step shows in the log.
step() { echo "$(date +%T.%N | cut -c1-12) $*"; }

fail() {
    echo "FAIL: $*"
    timeout 20 import -window root "$output/failure.png" 2>/dev/null || true
    exit 1
}

# Every X tool has a time limit, so that no step can hang. A picture is for people to look at,
# not a check: one that cannot be taken is skipped.
press() { timeout 10 xdotool key "$@" || fail "xdotool key $* did not return"; }
photograph() { timeout 20 import -window root "$output/$1" || step "no picture $1"; }
# Gives the window the keyboard, so that the keys pressed next go to it.
focus() { timeout 10 xdotool windowfocus --sync "$1" 2>/dev/null || true; }
# (grep reads all the tool says, so that no tool is cut short by a closed pipe.)
is_gone() { ! timeout 5 xwininfo -id "$1" 2>/dev/null | grep 'State: IsViewable' >/dev/null; }

# The kind of a window: menu (a popup: override-redirect), dialog (one that stands for another,
# as a question does) or normal. Qt gives a menu it makes anew no window type, so none is asked.
window_kind() {
    timeout 5 xwininfo -id "$1" 2>/dev/null | grep 'Redirect State: yes' >/dev/null &&
        echo menu && return
    timeout 5 xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null | grep 'window id' >/dev/null &&
        echo dialog && return
    echo normal
}

# Prints the first shown window of the kind whose caption matches the pattern. The main window
# without a file and a question share the caption "Quilra"; a menu has none ("" matches it).
# A window that goes while xdotool walks the window tree makes it fail (BadWindow): that counts
# as no match this time round.
shown_window() {
    local id
    for id in $(timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null); do
        [ "$(window_kind "$id")" = "$2" ] && echo "$id" && return 0
    done
    return 1
}
wait_for_window() { poll 30 shown_window "$@"; }

# A file written anew has a new inode (a save renames a new file over it) or a new time.
stamp() { stat -c '%i %y' "$1" 2>/dev/null || true; }
is_rewritten() { [ "$(stamp "$1")" != "$2" ]; }

save_with_ctrl_s() {
    local before
    before=$(stamp "$2")
    focus "$1"
    press ctrl+s
    poll 10 is_rewritten "$2" "$before" || true
}

has_ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for_exit() {
    poll 30 has_ended || fail "the program did not end after Exit"
    wait "$pid" || fail "the program ended with status $?"
    pid=
}

# F10 opens the File menu; the keys go on once it is shown.
open_file_menu() {
    focus "$1"
    press F10
    wait_for_window '' menu >/dev/null || fail "F10 did not open the File menu"
}

# Up wraps round to the File menu's last item, Exit. The menu is photographed when a picture
# name is given; "asks" leaves the program running, for the question it asks.
choose_exit() {
    open_file_menu "$1"
    press Up
    [ -n "${2:-}" ] && photograph "$2"
    press Return
    [ "${3:-}" = asks ] || wait_for_exit
}

# The question that Exit asks about unsaved changes, given the keyboard; prints its id.
wait_for_question() {
    local question
    question=$(wait_for_window '^Quilra$' dialog) || return 1
    focus "$question"
    echo "$question"
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
window=$(wait_for_window '^Quilra - \(.*release\.nfo\)$' normal) ||
    fail "the file on the command line did not open"
step "main window with the file: $window"
focus "$window"
sleep 1
photograph "main-window.png"
save_with_ctrl_s "$window" "$nfo"
cmp -s "$work/original.nfo" "$nfo" || fail "Ctrl+S did not write the document back byte for byte"

# A typed key makes the document modified: Exit asks first. Escape cancels and nothing
# happens; the second time Enter saves (Save is the default) and the program ends.
focus "$window"
press x
choose_exit "$window" "" asks
question=$(wait_for_question) || fail "Exit did not ask about the typed key"
step "Exit asked: $question"
sleep 0.5
photograph "save-changes.png"
press Escape
poll 30 is_gone "$question" || fail "Escape did not close the question"
kill -0 "$pid" 2>/dev/null || fail "the program ended although the question was cancelled"
cmp -s "$work/original.nfo" "$nfo" || fail "the cancelled question changed the file"
choose_exit "$window" "" asks
wait_for_question >/dev/null || fail "the second Exit did not ask"
press Return
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
window=$(wait_for_window '^Quilra$' normal) || fail "no window captioned Quilra appeared"
step "second run: $window"
open_file_menu "$window"
press Up Up
sleep 0.3
photograph "recent-file-chosen.png"
press Return
wait_for_window '^Quilra - \(.*release\.nfo\)$' normal >/dev/null ||
    fail "the recent file did not reopen"
# The generator's form, for the README: Alt+A is Auto Generate; a title typed into the form
# shows in the preview beside it.
focus "$window"
press alt+a
sleep 1
timeout 10 xdotool mousemove --window "$window" 380 115 click 1
timeout 10 xdotool type --delay 50 "Quilra"
sleep 0.5
photograph "generator.png"
choose_exit "$window"
grep -q '^opened=1' "$store" || fail "the second run was not counted: $(cat "$store")"

# Files in UTF-8 (with a mark) and UTF-16 come back unchanged after Ctrl+S.
printf '\xef\xbb\xbf\xe2\x96\x91\xe2\x96\x92 UTF-8 \xe2\x95\x94\xe2\x95\x97\n\xe2\x95\x9a\xe2\x95\x9d\n' >"$work/utf8.nfo"
printf '\xff\xfe\x91\x25\x92\x25\x93\x25\r\x00\n\x00' >"$work/utf16.nfo"
for encoded in utf8 utf16; do
    cp "$work/$encoded.nfo" "$work/$encoded.original"
    "$work/program/quilra" "$work/$encoded.nfo" &
    pid=$!
    window=$(wait_for_window "^Quilra - \\(.*$encoded\\.nfo\\)\$" normal) ||
        fail "$encoded.nfo did not open"
    step "$encoded.nfo opened: $window"
    focus "$window"
    [ "$encoded" = utf8 ] && sleep 0.5 && photograph "utf8.png"
    save_with_ctrl_s "$window" "$work/$encoded.nfo"
    cmp -s "$work/$encoded.original" "$work/$encoded.nfo" || fail "Ctrl+S changed $encoded.nfo"
    choose_exit "$window"
done

# The generator at 12-point fonts (9 points at 128 dpi), at 1.5 and twice the size, to look at.
for look in "QT_FONT_DPI=128 font-12pt" "QT_SCALE_FACTOR=1.5 scale-1.5" \
    "QT_SCALE_FACTOR=2 scale-2"; do
    env "${look% *}" "$work/program/quilra" "$nfo" &
    pid=$!
    window=$(wait_for_window '^Quilra - \(.*release\.nfo\)$' normal) ||
        fail "no window with ${look% *}"
    focus "$window"
    timeout 10 xdotool key --window "$window" alt+a || true
    sleep 1
    photograph "${look#* }.png"
    choose_exit "$window"
done

echo "PASS: exported to PNG without a display, file opened from the command line, saved with Ctrl+S byte for byte, the generator shown, Exit from the File menu, reopened from the recent files after a restart, UTF-8 and UTF-16 files saved unchanged"
