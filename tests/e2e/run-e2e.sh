#!/usr/bin/env bash
# The real program in a real X window: started under Xvfb, found by its caption, photographed,
# driven by real key presses, and its files checked. No step relies on the program being quick:
# each waits for the window it needs, by caption and kind, to be shown (or gone), or for the file
# to be written, so a busy machine only makes the test slower. Fixed pauses are left only before
# the photographs, for the paint to settle.
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

if [ "${QUILRA_E2E_INSIDE_X:-}" != 1 ]; then
    # A server of its own, on a display number that the server itself finds free (-displayfd),
    # so that tests started at the same moment never take the same one. -noreset: the server
    # never resets when its last client leaves, so a program that connects then is not refused.
    numbers=$(mktemp)
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x800x24 3>"$numbers" 2>/dev/null &
    server=$!
    for _ in $(seq 300); do
        [ -s "$numbers" ] || ! kill -0 "$server" 2>/dev/null && break
        sleep 0.1
    done
    display=$(cat "$numbers")
    rm -f "$numbers"
    if [ -z "$display" ]; then
        kill "$server" 2>/dev/null
        echo "FAIL: Xvfb did not start"
        exit 1
    fi
    status=0
    QUILRA_E2E_INSIDE_X=1 DISPLAY=":$display" "$0" "$@" || status=$?
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null || true
    exit $status
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

# What the test is doing, with the time, so that a slow or stuck step shows in the log.
step() {
    echo "$(date +%T.%N | cut -c1-12) $*"
}

# Every X tool is given a time limit: no step can hang the test.
press() {
    timeout 10 xdotool key "$@" || fail "xdotool key $* did not return"
}

# A picture for people to look at, not a check: one that cannot be taken is said and skipped.
photograph() {
    timeout 20 import -window root "$output/$1" || step "no picture $1 (import failed)"
}

fail() {
    echo "FAIL: $*"
    timeout 20 import -window root "$output/failure.png" 2>/dev/null || true
    exit 1
}

# The ids of the shown windows whose caption matches the pattern. Windows come and go while
# xdotool walks the window tree, and one that goes meanwhile makes it fail (BadWindow): that
# counts as no match this time round.
shown_windows() {
    timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

# The kind of a window: menu (a popup, which no window manager places), dialog (a window that
# stands for another, such as a question) or normal; nothing when it is gone. Qt gives a menu
# that it makes anew no window type of its own, so the type is not asked.
window_kind() {
    local info transient
    info=$(timeout 5 xwininfo -id "$1" 2>/dev/null) || return 0
    transient=$(timeout 5 xprop -id "$1" WM_TRANSIENT_FOR 2>/dev/null) || return 0
    if grep -q 'Override Redirect State: yes' <<<"$info"; then
        echo menu
    elif [[ $transient == *"window id"* ]]; then
        echo dialog
    else
        echo normal
    fi
}

is_shown() {
    timeout 5 xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# Waits up to 30 seconds for a shown window of the kind (normal, dialog or menu) whose caption
# matches the pattern; prints its id. The main window without a file and a question share the
# caption "Quilra": the kind tells them apart. A menu has no caption ("" matches it).
wait_for_window() {
    local deadline=$((SECONDS + 30)) id
    while [ $SECONDS -lt $deadline ]; do
        for id in $(shown_windows "$1"); do
            if [ "$(window_kind "$id")" = "$2" ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

wait_until_gone() {
    local deadline=$((SECONDS + 30))
    while is_shown "$1"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# Gives the window the keyboard, so that the keys pressed next go to it.
focus() {
    timeout 10 xdotool windowfocus --sync "$1" 2>/dev/null || true
}

# What changes when a file is written anew: its inode (a save writes a new file and renames it
# over the old one) and its time.
stamp() {
    stat -c '%i %y' "$1" 2>/dev/null || true
}

# Waits up to 10 seconds for the file to be written after the stamp was taken.
wait_for_write() {
    local deadline=$((SECONDS + 10))
    while [ "$(stamp "$1")" = "$2" ] && [ $SECONDS -lt $deadline ]; do
        sleep 0.1
    done
}

# Ctrl+S in the window, then the wait for the file to be written.
save_with_ctrl_s() {
    local before
    before=$(stamp "$2")
    focus "$1"
    press ctrl+s
    wait_for_write "$2" "$before"
}

wait_for_exit() {
    for _ in $(seq 300); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end after Exit"
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

# The question that Exit asks about unsaved changes; gives it the keyboard and prints its id.
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
step "saved with Ctrl+S"

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
wait_until_gone "$question" || fail "Escape did not close the question"
kill -0 "$pid" 2>/dev/null || fail "the program ended although the question was cancelled"
cmp -s "$work/original.nfo" "$nfo" || fail "the cancelled question changed the file"
step "the question cancelled"
choose_exit "$window" "" asks
wait_for_question >/dev/null || fail "the second Exit did not ask"
step "the second Exit asked"
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
step "the recent file reopened"
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
step "the second run ended"

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

echo "PASS: exported to PNG without a display, file opened from the command line, saved with Ctrl+S byte for byte, the generator shown, Exit from the File menu, reopened from the recent files after a restart, UTF-8 and UTF-16 files saved unchanged"
