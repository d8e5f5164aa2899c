#!/usr/bin/env bash
# The layering check must catch an upward include, pass a clean tree, and
# pass this project's sources.
set -euo pipefail
check="$1"
sources="$2"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/src/core" "$work/src/views" "$work/src/app"
printf '#include "core/text.hpp"\n#include <vector>\n' >"$work/src/views/page.cpp"
printf '#include "views/page.hpp"\n' >"$work/src/app/window.cpp"
printf '#include "core/text.hpp"\n' >"$work/src/core/text.cpp"
"$check" "$work/src" >/dev/null || { echo "a clean tree was refused"; exit 1; }

printf '#include "app/window.hpp"\n' >>"$work/src/views/page.cpp"
if "$check" "$work/src" 2>/dev/null; then
    echo "views including app/ was not caught"
    exit 1
fi
printf '#include "core/text.hpp"\n' >"$work/src/views/page.cpp"
printf '  #  include "widgets/grid.hpp"\n' >>"$work/src/core/text.cpp"
if "$check" "$work/src" 2>/dev/null; then
    echo "core including widgets/ was not caught"
    exit 1
fi

"$check" "$sources"
