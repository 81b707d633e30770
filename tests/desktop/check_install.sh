#!/bin/sh
# Installs the build into a scratch prefix and checks that the program, launcher, icons and
# AppStream data sit where desktops look for them, and that the launcher and metainfo validate.
# Usage: check_install.sh CMAKE BUILD_DIR PREFIX (PREFIX is wiped first).
set -u
cmake=$1 build=$2 prefix=$3
id=io.github.kestrune.Kestrune
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

rm -rf "$prefix"
if ! "$cmake" --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"
    echo "FAIL: cmake --install"
    exit 1
fi

launcher=share/applications/$id.desktop
metainfo=share/metainfo/$id.metainfo.xml
for f in bin/kestrune "$launcher" "$metainfo" share/icons/hicolor/scalable/apps/$id.svg \
         share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/256x256/apps/$id.png; do
    [ -s "$prefix/$f" ] || fail "$f is missing or empty"
done
[ -x "$prefix/bin/kestrune" ] || fail "bin/kestrune is not executable"

# Prints WIDTHxHEIGHT from a PNG's header chunk, or "not a PNG".
png_size() {
    head=$(od -An -tx1 -N16 "$1" 2>/dev/null | tr -d ' \n')
    if [ "$head" != 89504e470d0a1a0a0000000d49484452 ]; then
        echo "not a PNG"
        return
    fi
    set -- $(od -An -tu1 -j16 -N8 "$1")
    echo "$(( ($1 << 24) | ($2 << 16) | ($3 << 8) | $4 ))x$(( ($5 << 24) | ($6 << 16) | ($7 << 8) | $8 ))"
}
for size in 48 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || continue
    got=$(png_size "$png")
    [ "$got" = "${size}x${size}" ] || fail "${size}x${size} icon is $got"
done

# The launcher must start the installed program and name the installed icon; the metainfo must name the launcher.
if [ -f "$prefix/$launcher" ]; then
    exec_line=$(sed -n 's/^Exec=//p' "$prefix/$launcher")
    [ -x "$prefix/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not the installed program"
    grep -qx "Icon=$id" "$prefix/$launcher" || fail "launcher does not name the icon $id"
    if command -v desktop-file-validate >/dev/null 2>&1; then
        desktop-file-validate "$prefix/$launcher" || fail "desktop-file-validate"
    else
        echo "SKIP: desktop-file-validate is not installed"
    fi
fi
if [ -f "$prefix/$metainfo" ]; then
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/$metainfo" \
        || fail "metainfo does not launch $id.desktop"
    if command -v appstreamcli >/dev/null 2>&1; then
        # The tree check also finds the launcher the metainfo names.
        appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"
    else
        echo "SKIP: appstreamcli is not installed"
    fi
fi

[ "$failed" -eq 0 ] && echo "desktop install: all checks passed"
exit "$failed"
