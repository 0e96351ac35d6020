#!/usr/bin/env bash
# Builds the Debian package of a built tree with cpack, unpacks it with dpkg -x
# into a scratch root and checks what a user would get: the programs run from
# there, the desktop entry and the AppStream metadata validate, the icons are
# there in every size, the manual pages render and the dependencies are named.
#
# usage: package_test.sh BUILD_DIR VERSION WITH_GUI(0|1)
set -euo pipefail

build_dir=$1
version=$2
with_gui=$3

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# --- the package --------------------------------------------------------
if ! cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    echo "FAIL: cpack did not build the package" >&2
    exit 1
fi
shopt -s nullglob
debs=("$scratch/out"/lumivane_*.deb)
shopt -u nullglob
if [ "${#debs[@]}" -ne 1 ]; then
    echo "FAIL: expected one lumivane_*.deb, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
case "$(basename "$deb")" in
    "lumivane_${version}_$(dpkg --print-architecture).deb") ;;
    *) fail "package file name $(basename "$deb")" ;;
esac

[ "$(dpkg-deb -f "$deb" Package)" = lumivane ] || fail "Package field"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version field $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
required=(libc6 libstdc++6)
if [ "$with_gui" = 1 ]; then
    required+=(libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6network6
               libqt6webenginewidgets6 libqt6webenginecore6 qt6-qpa-plugins fonts-arphic-ukai fonts-arphic-uming
               fonts-noto-cjk qt6-translations-l10n)
fi
for package in "${required[@]}"; do
    if ! grep -Eq "(^|, )${package//+/\\+}( \(|,|$)" <<<"$depends"; then
        fail "Depends lacks $package: $depends"
    fi
done
# Every named dependency must be a package that exists on this system, and
# every shared library the programs load must come from one of them.
for package in $(sed -e 's/([^)]*)//g' -e 's/,/ /g' <<<"$depends"); do
    dpkg-query -W "$package" >/dev/null 2>&1 || fail "Depends names $package, which is not installed here"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
bin="$root/usr/bin"

# Every library the packaged programs and their modules (loaded on first use)
# link directly comes from a package that Depends names.
depends_names=" $(sed -e 's/([^)]*)//g' -e 's/,/ /g' <<<"$depends" | xargs) "
shopt -s nullglob
linked=("$bin"/* "$root"/usr/lib/lumivane/*.so)
shopt -u nullglob
for program in "${linked[@]}"; do
    resolved=$(ldd "$program")
    while read -r library; do
        path=$(awk -v l="$library" '$1 == l && $2 == "=>" {print $3}' <<<"$resolved" | sed -n 1p)
        if [ -z "$path" ]; then
            fail "$(basename "$program"): $library is not found"
            continue
        fi
        owner=""
        for candidate in "$path" "$(readlink -f "$path")" "/usr$path" "${path#/usr}"; do
            owner=$(dpkg -S "$candidate" 2>/dev/null | sed -n '1s/:.*//p') || true
            [ -n "$owner" ] && break
        done
        if [ -z "$owner" ]; then
            fail "$(basename "$program"): no package holds $path"
        elif [[ "$depends_names" != *" $owner "* ]]; then
            fail "$(basename "$program") links $library of $owner, which Depends does not name"
        fi
    done < <(readelf -d "$program" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
done

# --- the command line from the unpacked root ------------------------------
[ -x "$bin/lumivane-cli" ] || { echo "FAIL: no usr/bin/lumivane-cli in the package" >&2; exit 1; }
got=$("$bin/lumivane-cli" --version)
[ "$got" = "lumivane-cli $version" ] || fail "lumivane-cli --version printed '$got'"

"$bin/lumivane-cli" name --family 王 --seed 1 --tsv >"$scratch/names.tsv"
header=$(head -n 1 "$scratch/names.tsv")
[ "${header%%$'\t'*}" = name ] || fail "name --tsv header '$header'"
rows=$(($(wc -l <"$scratch/names.tsv") - 1))
[ "$rows" -gt 0 ] || fail "name --family 王 gave no rows"
# Every row is a full name of the family 王 with a score in the "00.00" form.
bad=$(awk -F '\t' 'NR > 1 && ($1 !~ /^王/ || $2 !~ /^[0-9][0-9]\.[0-9][0-9]$/ || $16 != "王") {print; if (++n == 3) exit}' "$scratch/names.tsv")
[ -z "$bad" ] || fail "rows not of the family 王 or without a score: $bad"
# The packaged (stripped) program gives the very rows of the built one.
"$build_dir/src/cli/lumivane-cli" name --family 王 --seed 1 --tsv >"$scratch/names-built.tsv"
cmp -s "$scratch/names.tsv" "$scratch/names-built.tsv" || fail "the packaged lumivane-cli gives other rows than the built one"

about=$("$bin/lumivane-cli" --about)
for text in "$version" "GPL-3.0-or-later" "CC BY-NC-SA" "Bao, H.-W.-S. (2023)" "Unicode"; do
    grep -qF -- "$text" <<<"$about" || fail "lumivane-cli --about lacks '$text'"
done

# --- manual pages ---------------------------------------------------------
man_dir="$root/usr/share/man/man1"
pages=(lumivane-cli.1.gz)
[ "$with_gui" = 1 ] && pages+=(lumivane.1.gz)
for page in "${pages[@]}"; do
    if [ ! -f "$man_dir/$page" ]; then
        fail "no manual page $page"
        continue
    fi
    warnings=$(zcat "$man_dir/$page" | groff -k -man -Tutf8 -ww -z 2>&1 || true)
    [ -z "$warnings" ] || fail "$page: groff warns: $warnings"
    title=$(zcat "$man_dir/$page" | sed -n '/^\.TH /p')
    [[ "$title" == *"\"Lumivane $version\""* ]] || fail "$page does not name version $version: $title"
done
if [ -f "$man_dir/lumivane-cli.1.gz" ]; then
    rendered=$(MANWIDTH=80 man -l "$man_dir/lumivane-cli.1.gz" 2>/dev/null | col -b)
    grep -q "^NAME" <<<"$rendered" || fail "man -l lumivane-cli.1.gz rendered no NAME section"
    # Every command the program lists is an entry of the manual's COMMANDS section.
    commands_section=$(awk '/^COMMANDS/{on=1; next} /^[A-Z]/{on=0} on' <<<"$rendered")
    listed=$("$bin/lumivane-cli" --help | awk '/^命令：/{on=1; next} on && NF {print $1}')
    [ -n "$listed" ] || fail "lumivane-cli --help listed no commands"
    for command in $listed; do
        grep -Eq "^       $command( |$)" <<<"$commands_section" || fail "the manual does not document the command $command"
    done
    for option in --version --about --help; do
        grep -q -- "$option" <<<"$rendered" || fail "the manual does not mention $option"
    done
fi

if [ "$with_gui" = 1 ]; then
    # --- the desktop program ----------------------------------------------
    [ -x "$bin/lumivane" ] || fail "no usr/bin/lumivane in the package"
    # Without any display the version is printed and no window is opened.
    got=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$bin/lumivane" --version 2>&1) || fail "lumivane --version failed: $got"
    [ "$got" = "lumivane $version" ] || fail "lumivane --version printed '$got'"
    # The browser window is a module beside the program, found as bin/../lib/lumivane.
    module="$root/usr/lib/lumivane/lumivane_browser.so"
    [ -f "$module" ] || fail "no usr/lib/lumivane/lumivane_browser.so in the package"
    nm -D --defined-only "$module" | grep -q ' LumivaneCreateBrowserWindow$' ||
        fail "the browser module does not export LumivaneCreateBrowserWindow"
    # So are the printed lists, with Qt Print Support.
    module="$root/usr/lib/lumivane/lumivane_print.so"
    [ -f "$module" ] || fail "no usr/lib/lumivane/lumivane_print.so in the package"
    nm -D --defined-only "$module" | grep -q ' LumivaneCreatePrintService$' ||
        fail "the print module does not export LumivaneCreatePrintService"
    readelf -d "$module" | grep -q 'NEEDED.*\[libQt6PrintSupport' ||
        fail "the print module does not link Qt Print Support"
    readelf -d "$bin/lumivane" | grep -q 'NEEDED.*\[libQt6PrintSupport' &&
        fail "usr/bin/lumivane links Qt Print Support, which only the print module needs"

    # --- desktop entry, icons, metainfo -------------------------------------
    apps="$root/usr/share/applications"
    shopt -s nullglob
    entries=("$apps"/*.desktop)
    metainfos=("$root"/usr/share/metainfo/*.metainfo.xml)
    shopt -u nullglob
    if [ "${#entries[@]}" -ne 1 ]; then
        fail "expected one desktop entry, found ${#entries[@]}"
    else
        entry=${entries[0]}
        out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
        [ -z "$out" ] || fail "desktop-file-validate reports: $out"
        field() { sed -n "s/^$1=//p" "$entry"; }
        [ "$(field Name)" = "澜庭起名软件" ] || fail "desktop entry Name '$(field Name)'"
        [ "$(field 'Name\[en\]')" = Lumivane ] || fail "desktop entry Name[en]"
        [ -n "$(field Comment)" ] && [ -n "$(field 'Comment\[en\]')" ] || fail "desktop entry lacks a comment"
        exec_program=$(field Exec | awk '{print $1}')
        [ -x "$bin/$exec_program" ] || fail "Exec=$exec_program is not a program of the package"
        icon=$(field Icon)
        [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon.svg"
        for size in 16 22 24 32 48 64 128 256; do
            png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png"
            if [ ! -f "$png" ]; then
                fail "no ${size}x${size} icon"
                continue
            fi
            # Width and height of the PNG header (bytes 16-23, big-endian).
            dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{printf "%d %d", $3*256+$4, $7*256+$8}')
            [ "$dims" = "$size $size" ] || fail "${size}x${size} icon is $dims"
        done
    fi
    if [ "${#metainfos[@]}" -ne 1 ]; then
        fail "expected one metainfo file, found ${#metainfos[@]}"
    else
        metainfo=${metainfos[0]}
        out=$(appstreamcli validate --no-net --no-color "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
        ! grep -Eq '^(E|W):' <<<"$out" || fail "appstreamcli validate reports: $out"
        launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
        [ -n "$launchable" ] && [ -f "$apps/$launchable" ] || fail "launchable '$launchable' is not the installed desktop entry"
        grep -q "<project_license>GPL-3.0-or-later" "$metainfo" || fail "metainfo licence"
        grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
    fi
fi

[ -f "$root/usr/share/doc/lumivane/copyright" ] || fail "no usr/share/doc/lumivane/copyright"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package $(basename "$deb"): all checks passed"
