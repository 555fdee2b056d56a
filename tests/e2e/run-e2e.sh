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
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

mkdir -p "$output"
work=$(mktemp -d)
trap '[ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

# A program folder of its own, so that Settings.ini lands there; stores under a fresh home.
mkdir -p "$work/program" "$work/config" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
cp "$program" "$work/program/quilra"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
unset QT_QPA_PLATFORM

fail() {
    echo "FAIL: $*"
    import -window root "$output/failure.png" 2>/dev/null || true
    exit 1
}

"$work/program/quilra" &
pid=$!

window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quilra$' | head -n 1) ||
    fail "no window captioned Quilra appeared"
echo "main window: $window"
xdotool windowfocus --sync "$window"
sleep 1
import -window root "$output/main-window.png"

# F10 opens the File menu; Up wraps round to its last item, Exit.
xdotool key --window "$window" F10
sleep 1
import -window root "$output/file-menu.png"
xdotool key Up
sleep 0.3
import -window root "$output/exit-chosen.png"
xdotool key Return

for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after Exit"
wait "$pid" || fail "the program ended with status $?"
pid=

store="$work/config/Quilra/Quilra.conf"
[ -f "$store" ] || fail "no per-user store was written"
grep -q '^opened=0' "$store" || fail "the run counter was not stored: $(cat "$store")"

echo "PASS: main window found, File menu opened with F10, Exit chosen, run counter stored"
