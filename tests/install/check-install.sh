#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a user gets:
# every installed file, the desktop entry and AppStream data valid, and the
# installed climora-batch finding its shipped templates from another folder.
#     check-install.sh BUILD_DIR
set -uo pipefail
build="$1"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix="$scratch/prefix"
failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" > "$scratch/install.log" ||
    { cat "$scratch/install.log" >&2; exit 1; }

expected=(
    bin/climora
    bin/climora-batch
    share/climora/Option.clx
    share/climora/TemplateList.clx
    share/climora/TemplateSettings.clx
    share/climora/samples/FALN_Agrimet_daily_raw_2015.csv
    share/applications/io.github.climora.Climora.desktop
    share/icons/hicolor/scalable/apps/io.github.climora.Climora.svg
    share/mime/packages/io.github.climora.Climora.xml
    share/metainfo/io.github.climora.Climora.metainfo.xml
    share/man/man1/climora-batch.1
)
for file in "${expected[@]}"; do
    [ -s "$prefix/$file" ] || fail "not installed: $file"
done
for program in climora climora-batch; do
    [ -x "$prefix/bin/$program" ] || fail "not executable: bin/$program"
done

desktop-file-validate "$prefix/share/applications/io.github.climora.Climora.desktop" ||
    fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/io.github.climora.Climora.metainfo.xml" ||
    fail "appstreamcli validate"
update-mime-database "$prefix/share/mime" > /dev/null 2> "$scratch/mime.log" &&
    [ -f "$prefix/share/mime/application/x-agrovia-weather.xml" ] ||
    fail "the .wth file type is not defined: $(cat "$scratch/mime.log")"
grep -q '^\.SH EXAMPLES' "$prefix/share/man/man1/climora-batch.1" ||
    fail "the man page has no EXAMPLES section"
grep -qF -- '\-\-template' "$prefix/share/man/man1/climora-batch.1" ||
    fail "the man page lacks the --help text"

# From another folder, with a user who never ran the program: the shipped
# template must be found through bin/../share/climora.
elsewhere="$scratch/elsewhere"
mkdir -p "$elsewhere"
printf '2015 1 12.5 20.1 5.2 0.0\r\n2015 2 13.0 21.0 6.0 1.5\r\n' > "$elsewhere/station.txt"
output=$(cd "$elsewhere" && XDG_DATA_HOME="$scratch/fresh-home" \
    "$prefix/bin/climora-batch" --template "Year DOY Solar Tmax Tmin Precip (metric)" station.txt)
status=$?
[ "$status" -eq 0 ] || fail "climora-batch from another folder exited with $status"
printf '%s\n' "$output" | grep -q $'^2015\t1\t' ||
    fail "climora-batch from another folder did not convert: $output"
[ -f "$scratch/fresh-home/Climora2016_1/TemplateList.clx" ] ||
    fail "the shipped settings were not copied into the new work folder"

version=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/climora" --version)
[[ "$version" == Climora* ]] || fail "installed climora --version said: $version"

[ "$failures" -eq 0 ] || exit 1
echo "installed and checked in $prefix"
