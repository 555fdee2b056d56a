#!/usr/bin/env bash
# Cross-compiles the registry writer with registry_check.cpp (MinGW-w64) and runs it under Wine
# in a throw-away prefix. Exit 77 (skipped, with the reason) when the cross compiler or Wine is
# missing or Wine cannot start a program here; any fault of the code itself fails.
set -uo pipefail

source_root=$1
work=$2
skip() { echo "SKIPPED: $*"; exit 77; }

compiler=$(command -v x86_64-w64-mingw32-g++ || true)
[ -n "$compiler" ] || skip "x86_64-w64-mingw32-g++ not found (Debian package g++-mingw-w64-x86-64)"

# Debian keeps the 64-bit loader off the PATH.
wine=$(command -v wine64 || true)
for candidate in /usr/lib/wine/wine64 /usr/lib/x86_64-linux-gnu/wine/wine64; do
    [ -n "$wine" ] || { [ -x "$candidate" ] && wine=$candidate; }
done
[ -n "$wine" ] || skip "wine64 not found (Debian package wine64)"

rm -rf "$work" && mkdir -p "$work"
exe="$work/registry_check.exe"
"$compiler" -std=c++17 -O1 -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror -static \
    -I "$source_root/src" "$source_root"/src/shell/{AssociationKeys,RegistryAssociation}.cpp \
    "$source_root/tests/shell/windows/registry_check.cpp" \
    -ladvapi32 -lshell32 -o "$exe" || { echo "FAIL: cross-compiling the registry code"; exit 1; }

# Never the user's own ~/.wine: without a fresh prefix there is no check.
prefix=$(mktemp -d "${TMPDIR:-/tmp}/quilra-wine.XXXXXX") || skip "no temporary folder for a Wine prefix"
trap 'WINEPREFIX="$prefix" timeout 20 "${wine%/*}/wineserver" -k >/dev/null 2>&1; rm -rf "$prefix"' EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY=

output=$(timeout 240 "$wine" "$exe" 2>"$work/wine-stderr.txt")
status=$?
echo "$output"
if ! grep -q "registry check: started" <<<"$output"; then
    tail -n 20 "$work/wine-stderr.txt"
    skip "Wine could not start a Windows program here (exit status $status)"
fi
exit $status
