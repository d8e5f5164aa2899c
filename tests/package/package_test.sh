#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and checks what an operator
# gets: the package's fields and computed dependencies, lintian's verdict,
# every installed file in its place, a valid launcher whose command and icon
# exist with its AppStream entry, manual pages that open, and both programs
# started from the unpacked tree.
#
#   package_test.sh CPACK BUILD_DIR VERSION
set -euo pipefail

cpack=$1
build=$2
version=$3

work=$(mktemp -d)
sim_pid=
cleanup() {
    if [ -n "$sim_pid" ]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The package, built in a directory of its own so that a parallel run of
# other tests never sees a half-written staging tree.
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack" >&2
    exit 1
fi
debs=("$work"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    ls -l "$work/out" >&2
    echo "FAIL: expected exactly one .deb" >&2
    exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb") ($(stat -c %s "$deb") bytes)"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tessel-manager ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = net ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"
depends=$(field Depends)
echo "depends: $depends"
# Computed by dpkg-shlibdeps from the binaries, with versions; the platform
# plugin is named by hand.
depends_names=$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')
for dep in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6network6 libqt6charts6 \
    qt6-qpa-plugins; do
    grep -qxF "$dep" <<<"$depends_names" || fail "Depends lacks $dep"
done
grep -Eq 'libqt6widgets6 \(>= [0-9]' <<<"$depends" || fail "Depends has no computed Qt version"

# Debian's policy checker, default profile: errors and warnings fail, the
# informational tags are only shown.
lintian_out=$(lintian --allow-root "$deb" 2>&1) || true
[ -n "$lintian_out" ] && echo "$lintian_out"
if grep -E '^[EW]: ' <<<"$lintian_out" >/dev/null; then
    fail "lintian reports errors or warnings"
fi

dpkg-deb --extract "$deb" "$work/root"
usr=$work/root/usr
desktop_id=test.tessel_lab.TesselManager
for file in bin/tessel-manager bin/tessel-router-sim \
    share/applications/$desktop_id.desktop share/metainfo/$desktop_id.metainfo.xml \
    share/doc/tessel-manager/copyright share/doc/tessel-manager/changelog.gz \
    share/man/man1/tessel-manager.1.gz share/man/man1/tessel-router-sim.1.gz \
    share/icons/hicolor/scalable/apps/tessel-manager.svg \
    share/icons/hicolor/48x48/apps/tessel-manager.png \
    share/tessel-router-sim/base-station.json share/tessel-router-sim/client-unit.json; do
    [ -s "$usr/$file" ] || fail "$file missing or empty"
done
for program in tessel-manager tessel-router-sim; do
    [ -x "$usr/bin/$program" ] || fail "bin/$program is not executable"
done
# Nothing outside /usr: a package must not write into /home or /opt.
outside=$(cd "$work/root" && find . -mindepth 1 -maxdepth 1 ! -name usr)
[ -z "$outside" ] || fail "files outside /usr: $outside"

desktop=$usr/share/applications/$desktop_id.desktop
if ! desktop-file-validate "$desktop"; then
    fail "desktop-file-validate rejects the launcher"
fi
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$usr/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not an installed program"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = tessel-manager ] || fail "Icon is not tessel-manager"

# The AppStream entry: valid offline, naming the launcher it describes and
# the release being packaged.
metainfo=$usr/share/metainfo/$desktop_id.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
grep -qF "<id>$desktop_id</id>" "$metainfo" || fail "metainfo id is not $desktop_id"
grep -qF "<launchable type=\"desktop-id\">$desktop_id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch $desktop_id.desktop"
grep -qF "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"

# The changelog's newest entry is this version.
zcat "$usr/share/doc/tessel-manager/changelog.gz" >"$work/changelog"
logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
[ "$logged" = "$version" ] || fail "changelog's newest entry is $logged, not $version"

# Each manual page opens and renders without a formatter warning, and says
# what the program's --help says.
for program in tessel-manager tessel-router-sim; do
    page=$usr/share/man/man1/$program.1.gz
    if ! text=$(MANWIDTH=80 man --warnings -l "$page" 2>"$work/man.err" | col -b); then
        fail "man -l $program.1.gz failed"
    fi
    [ ! -s "$work/man.err" ] || fail "man warns on $program.1.gz: $(cat "$work/man.err")"
    grep -Eq "^ +$program - " <<<"$text" || fail "$program.1 has no NAME line: $text"
    grep -q -- '--version' <<<"$text" || fail "$program.1 does not list --version"
done
grep -qF -- '--community=COMMUNITY' <<<"$(MANWIDTH=200 man -l "$usr/share/man/man1/tessel-manager.1.gz")" ||
    fail "tessel-manager.1 lacks the login options"

# The 48x48 bitmap: a PNG signature, then IHDR width and height (big endian).
png=$usr/share/icons/hicolor/48x48/apps/tessel-manager.png
[ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "icon is not a PNG"
[ "$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')" = "0 0 0 48 0 0 0 48" ] ||
    fail "PNG icon is not 48x48"
svg=$usr/share/icons/hicolor/scalable/apps/tessel-manager.svg
rsvg-convert --width=16 --height=16 --output="$work/icon16.png" "$svg" || fail "SVG icon does not render"

# Every library the installed programs need resolves from the system alone.
for program in tessel-manager tessel-router-sim; do
    if ldd "$usr/bin/$program" | grep -q 'not found'; then
        ldd "$usr/bin/$program" >&2
        fail "$program has unresolved libraries"
    fi
done

# The installed manager: --version and --help with no display (where a
# window would abort on X11), then the window offscreen until its first paint.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb)
out=$("${no_display[@]}" "$usr/bin/tessel-manager" --version) ||
    fail "--version exit code $?"
[ "$out" = "tessel-manager $version" ] || fail "--version printed '$out'"
out=$("${no_display[@]}" "$usr/bin/tessel-manager" --help) || fail "--help exit code $?"
grep -q -- '--host=ADDRESS --login=NAME --password=PASSWORD --community=COMMUNITY' <<<"$out" ||
    fail "--help lacks the login options: $out"
out=$(QT_QPA_PLATFORM=offscreen TESSEL_QUIT_WHEN_SHOWN=1 timeout 60 "$usr/bin/tessel-manager" 2>&1) ||
    fail "the installed manager's window run ended with $?: $out"
grep -qx shown <<<"$out" || fail "the installed manager showed no window: $out"
grep -qx 'icon 128x128' <<<"$out" || fail "the installed manager's window has no icon: $out"

# The installed lab router: its version, and its bundled data found beside
# its own bin/ rather than in the source tree.
out=$("$usr/bin/tessel-router-sim" --version) || fail "tessel-router-sim --version exit code $?"
[ "$out" = "tessel-router-sim $version" ] || fail "tessel-router-sim --version printed '$out'"
"$usr/bin/tessel-router-sim" --snmp-port 0 --console-port 0 --log "$work/sim.log" \
    >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
for _ in $(seq 100); do
    grep -q '^ready ' "$work/sim.out" 2>/dev/null && break
    kill -0 "$sim_pid" 2>/dev/null || break
    sleep 0.1
done
if grep -q '^ready snmp=[0-9]* console=[0-9]*$' "$work/sim.out"; then
    grep -qF "\"data\":\"$usr/share/tessel-router-sim/base-station.json\"" "$work/sim.log" ||
        fail "the installed router did not load its installed data: $(head -1 "$work/sim.log")"
else
    fail "the installed router did not start: $(cat "$work/sim.out" "$work/sim.err")"
fi
kill "$sim_pid"
wait "$sim_pid" || fail "the installed router did not stop cleanly on SIGTERM"
sim_pid=

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package checks passed"
