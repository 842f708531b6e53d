#!/bin/sh
# Checks the built package: the files it holds, its launcher entry, and the program run from a
# root it was unpacked into.  Usage: check_package.sh PACKAGE_FOLDER VERSION
set -eu
folder="$1"
version="$2"
deb="$(ls "$folder"/korvel_"$version"_*.deb)"
fail() { echo "check_package: $*" >&2; exit 1; }

listing="$(dpkg-deb -c "$deb")"
for file in ./usr/bin/korvel ./usr/share/applications/korvel.desktop \
            ./usr/share/icons/hicolor/scalable/apps/korvel.svg ./usr/share/korvel/HelpText.htm \
            ./usr/share/korvel/examples/civil_service_grades.d ./usr/share/korvel/examples/OPTIMAL_CONTROL.d \
            ./usr/share/man/man1/korvel.1.gz; do
    echo "$listing" | grep -q " $file\$" || fail "$file is not in the package"
done

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/korvel.desktop" || fail "the launcher entry is not valid"
shown="$("$root/usr/bin/korvel" --version)"
[ "$shown" = "korvel $version" ] || fail "korvel --version printed '$shown'"
"$root/usr/bin/korvel" --help | grep -q '^Usage: korvel ' || fail "korvel --help has no usage line"
set +e
message="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/korvel" --model-frm x.csv 2>&1)"
status=$?
set -e
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status"
echo "$message" | grep -q "'--model-frm'.*--help" || fail "an unknown option was told as '$message'"
zcat "$root/usr/share/man/man1/korvel.1.gz" | grep -q '^\.TH KORVEL 1' || fail "the manual page has no title"
echo "check_package: $deb holds what it should and runs"
