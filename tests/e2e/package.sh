#!/usr/bin/env bash
# The Debian package: CPack builds it from this build into a temporary folder; its name, control
# fields, files, maintainer scripts, programs, manual pages, changelog and copyright are checked,
# its programs run from the unpacked tree, and lintian judges it. Skipped (77) without dpkg-deb.
# Usage: package.sh CPACK BUILD_FOLDER SOURCE_FOLDER VERSION
set -uo pipefail

cpack=$1
build=$(cd "$2" && pwd)
source=$(cd "$3" && pwd)
version=$4
. "$(dirname "$0")/checks.sh"
require_tools dpkg-deb dpkg-shlibdeps readelf

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1
check "cpack builds the package" test $? -eq 0
deb=$work/horavine_${version}_$(dpkg --print-architecture).deb
if ! check "the package is named horavine_<version>_<arch>.deb" test -f "$deb"; then
    cat "$work/cpack.log"
    echo "$passes passed, $failures failed"
    exit 1
fi

field() { dpkg-deb -f "$deb" "$1"; }
check "its version is the project's" test "$(field Version)" = "$version"
for name in Maintainer Homepage Section Priority Description; do
    check "the control file has $name" test -n "$(field "$name")"
done
depends=$(field Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 gstreamer1.0-plugins-good; do
    check "Depends names $package" grep -q "\(^\|, \)$package\( \|,\|$\)" <<<"$depends"
done

# The listing: owner and path of every entry.
dpkg-deb -c "$deb" | awk '{ print $2, $6 }' >"$work/listing"
sed 's/^[^ ]* \.//' "$work/listing" >"$work/paths"
check "every file is owned by root" bash -c "! grep -v '^root/root ' '$work/listing'"
check "nothing lies outside /usr" bash -c "! grep -v '^/usr/\\|^/$' '$work/paths'"
for path in /usr/bin/horavine /usr/bin/horavine-cli /usr/lib/horavine/libhoravine_sound.so \
    /usr/share/applications/horavine.desktop /usr/share/metainfo/org.horavine.horavine.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/horavine.svg /usr/share/icons/hicolor/48x48/apps/horavine.png \
    /usr/share/man/man1/horavine.1.gz /usr/share/man/man1/horavine-cli.1.gz \
    /usr/share/doc/horavine/copyright /usr/share/doc/horavine/changelog.gz \
    /usr/share/bash-completion/completions/horavine-cli /usr/share/zsh/vendor-completions/_horavine-cli \
    /usr/share/fish/vendor_completions.d/horavine-cli.fish \
    /usr/share/mime/packages/horavine.xml /usr/share/thumbnailers/horavine.thumbnailer; do
    check "the package holds $path" grep -qxF "$path" "$work/paths"
done
(cd "$source/data" && find . -type f ! -name .gitkeep | sed 's|^\.|/usr/share/horavine|' | sort) >"$work/data"
grep '^/usr/share/horavine/' "$work/paths" | grep -v '/$\|^/usr/share/horavine/README.md$\|^/usr/share/horavine/docs/' \
    | sort >"$work/shipped"
check "the shipped data is data/ exactly" diff "$work/data" "$work/shipped"

# Nothing is left behind on purge when the maintainer scripts make nothing: only CPack's ldconfig.
dpkg-deb -e "$deb" "$work/control"
check "no conffiles" test ! -e "$work/control/conffiles"
for script in preinst prerm postinst postrm; do
    [ -e "$work/control/$script" ] || continue
    check "$script only runs ldconfig" bash -c "! grep -v '^#!/bin/sh$\\|^set -e$\\|^if \\|^	ldconfig$\\|^fi$\\|^$' '$work/control/$script'"
done

root=$work/root
dpkg-deb -x "$deb" "$root"
for elf in usr/bin/horavine usr/bin/horavine-cli usr/lib/horavine/libhoravine_sound.so; do
    check "$elf has no library search path" bash -c "! readelf -d '$root/$elf' | grep -q 'RPATH\\|RUNPATH'"
    check "$elf is stripped" bash -c "! readelf -S '$root/$elf' | grep -q '\\.symtab\\|\\.debug_'"
    check "$elf holds no build path" bash -c "! grep -qaF -e '$build' -e '$source' '$root/$elf'"
done

export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config \
    XDG_RUNTIME_DIR=$work/home/runtime QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
for program in horavine horavine-cli; do
    check "the unpacked $program tells its version" bash -c "timeout $(stretched 20) '$root/usr/bin/$program' --version | grep -qF '$version'"
done
"$root/usr/bin/horavine-cli" render "$root/usr/share/horavine/default.clk" --at 2026-12-09T10:10:30 --size 64 \
    -o "$work/face.png" >"$work/render.log" 2>&1
check "the unpacked horavine-cli renders the shipped default skin" test -s "$work/face.png"

for page in horavine horavine-cli; do
    gzip -dc "$root/usr/share/man/man1/$page.1.gz" >"$work/$page.1"
    check "$page(1) names the version" grep -qF "Horavine $version" "$work/$page.1"
    if command -v groff >/dev/null 2>&1; then
        check "groff finds nothing to warn about in $page(1)" \
            test -z "$(LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z "$work/$page.1" 2>&1)"
    fi
done
check "the changelog's newest entry is this version" \
    bash -c "gzip -dc '$root/usr/share/doc/horavine/changelog.gz' | head -1 | grep -q '^horavine ($version) '"

# The copyright: each shipped data file falls under a Files paragraph (the last that matches wins)
# whose licence has its text in the file; the fonts are under the Open Font License.
copyright=$root/usr/share/doc/horavine/copyright
licence_of() { # source path
    awk -v path="$1" '
        function matches(p, pat) { gsub(/[.+^$(){}|\\]/, "\\\\&", pat); gsub(/\*/, ".*", pat); gsub(/\?/, ".", pat)
                                   return p ~ ("^" pat "$") }
        /^Files:/ { files = substr($0, 7); infiles = 1; next }
        infiles && /^ / { files = files " " $0; next }
        { infiles = 0 }
        /^License:/ && files != "" { n = split(files, pats, " "); for (i = 1; i <= n; i++)
                                       if (pats[i] != "" && matches(path, pats[i])) found = $2
                                     files = "" }
        END { print found }' "$copyright"
}
has_text() { # licence: a paragraph of its own gives its text
    awk -v name="$1" 'BEGIN { RS = "" } { n = split($0, lines, "\n"); if (lines[1] == "License: " name && n > 1) ok = 1 }
                      END { exit !ok }' "$copyright"
}
unknown=
while read -r file; do
    rel=data/${file#/usr/share/horavine/}
    licence=$(licence_of "$rel")
    [ -n "$licence" ] && has_text "$licence" || unknown+=" $rel"
done <"$work/shipped"
check "every shipped file has a licence with its text in the copyright" test -z "$unknown"
[ -n "$unknown" ] && echo "without a licence:$unknown"
for font in data/Fonts/Comfortaa-Regular.ttf data/Fonts/DSEG14Classic-Regular.ttf; do
    check "$font is under the Open Font License" test "$(licence_of "$font")" = OFL-1.1
done

if command -v lintian >/dev/null 2>&1; then
    lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1
    check "lintian finds no error" test $? -eq 0
    grep '^[EW]:' "$work/lintian.log"
else
    echo "lintian is missing (scripts/install-deps installs it): the package was not judged by it"
fi

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
