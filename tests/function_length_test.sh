#!/usr/bin/env bash
# The length check must catch a long function (but not a marked table) and
# pass this project's sources.
set -euo pipefail
check="$1"
sources="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

body() { for i in $(seq "$1"); do echo "    x += $i;"; done; }
{ echo "int Short(int x) {"; body 1; echo "    return x;"; echo "}"; } >"$work/a.cpp"
"$check" "$work" 5 >/dev/null || { echo "a short function was refused"; exit 1; }
{ echo "int Long(int x) {"; body 6; echo "    return x;"; echo "}"; } >>"$work/a.cpp"
if "$check" "$work" 5 >/dev/null; then
    echo "a long function was not caught"
    exit 1
fi
sed -i 's|^int Long|// table\nint Long|' "$work/a.cpp"
"$check" "$work" 5 >/dev/null || { echo "a marked table was refused"; exit 1; }

"$check" "$sources"
