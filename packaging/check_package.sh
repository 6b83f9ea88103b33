#!/bin/sh
# SPDX-FileCopyrightText: 2026 Zelta contributors
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package from a finished build into WORK and checks what it holds, its
# control fields and what lintian says of it. Exit 77 (skipped) when a tool it needs is
# missing: a package built without dpkg-shlibdeps would lack its dependencies.
#   check_package.sh CPACK BUILD_DIR WORK VERSION
set -eu
cpack=$1 build=$2 work=$3 version=$4

for tool in dpkg-deb dpkg-shlibdeps lintian gzip; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$work"
mkdir -p "$work"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    echo "FAIL: cpack"
    exit 1
fi
deb=$work/zelta_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls "$work"; echo "FAIL: no $deb"; exit 1; }

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = zelta ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
for name in Section Priority Maintainer Homepage Description; do
    [ -n "$(field "$name")" ] || fail "no $name"
done
# Read off the linked libraries: never empty, and naming the widget library.
depends=$(field Depends)
echo "Depends: $depends"
case $depends in
*libqt6widgets6*) ;;
*) fail "Depends does not name libqt6widgets6" ;;
esac

# Everything in place, under /usr only, and the program executable.
listing=$(dpkg-deb --contents "$deb")
id=io.github.zelta.Zelta
for path in usr/bin/zelta usr/share/applications/$id.desktop \
    usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$id.svg \
    usr/share/icons/hicolor/48x48/apps/$id.png usr/share/man/man1/zelta.1.gz \
    usr/share/doc/zelta/copyright usr/share/doc/zelta/changelog.gz; do
    printf '%s\n' "$listing" | grep -q " \./$path\$" || fail "$path is missing"
done
printf '%s\n' "$listing" | grep -q '^-rwxr-xr-x .* \./usr/bin/zelta$' || fail "zelta is not executable"
outside=$(printf '%s\n' "$listing" | grep -v ' \./$' | grep -v ' \./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

# The changelog's newest entry is this version.
top=$(dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/share/doc/zelta/changelog.gz | gzip -dc |
    head -n 1)
case $top in
"zelta ($version) "*) ;;
*) fail "the changelog starts with '$top'" ;;
esac

lintian --fail-on error "$deb" || fail "lintian reports errors"
[ "$failures" -eq 0 ]
