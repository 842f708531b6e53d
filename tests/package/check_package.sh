#!/bin/sh
# Checks the built package: the files it holds, its launcher entry, and the program run from a
# root it was unpacked into.  Usage: check_package.sh PACKAGE_FOLDER VERSION
set -eu
folder="$1"
version="$2"
deb="$(ls "$folder"/korvel_"$version"_*.deb)"
fail() { echo "check_package: $*" >&2; exit 1; }

listing="$(dpkg-deb -c "$deb")"
for file in ./usr/bin/korvel ./usr/libexec/korvel/korvel-desktop ./usr/share/applications/korvel.desktop \
            ./usr/share/icons/hicolor/scalable/apps/korvel.svg ./usr/share/korvel/HelpText.htm \
            ./usr/share/korvel/examples/civil_service_grades.d ./usr/share/korvel/examples/OPTIMAL_CONTROL.d \
            ./usr/share/korvel/examples/staff_records.csv \
            ./usr/share/man/man1/korvel.1.gz; do
    echo "$listing" | grep -q " $file\$" || fail "$file is not in the package"
done

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/korvel.desktop" || fail "the launcher entry is not valid"
grep -qx 'Exec=/usr/libexec/korvel/korvel-desktop' "$root/usr/share/applications/korvel.desktop" \
    || fail "the launcher entry does not start Korvel in the user's folder"

# The launcher, pointed at the unpacked files, with pwd standing in for the program.
sed -e "s|'/usr/share/korvel'|'$root/usr/share/korvel'|" -e "s|'/usr/bin/korvel'|'/bin/pwd'|" \
    "$root/usr/libexec/korvel/korvel-desktop" >"$root/launcher"
home="$root/home"
mkdir "$home"
started="$(HOME="$home" sh "$root/launcher")"
[ "$started" = "$home/Korvel" ] || fail "the launcher started Korvel in '$started'"
for file in civil_service_grades.d OPTIMAL_CONTROL.d HelpText.htm; do
    [ -f "$home/Korvel/$file" ] || fail "the first start did not copy $file"
done
echo edited >"$home/Korvel/OPTIMAL_CONTROL.d"
rm "$home/Korvel/civil_service_grades.d"
HOME="$home" sh "$root/launcher" >/dev/null
[ "$(cat "$home/Korvel/OPTIMAL_CONTROL.d")" = edited ] && [ ! -e "$home/Korvel/civil_service_grades.d" ] \
    || fail "a second start changed the user's folder"
# A link in the folder's place is left alone, never followed.
other="$root/other"
mkdir "$other"
ln -s "$other/elsewhere" "$other/Korvel"
started="$(HOME="$other" sh "$root/launcher")"
[ "$started" = "$other" ] && [ ! -e "$other/elsewhere" ] || fail "the launcher followed a link in the folder's place"
shown="$("$root/usr/bin/korvel" --version)"
[ "$shown" = "korvel $version" ] || fail "korvel --version printed '$shown'"
"$root/usr/bin/korvel" --help | grep -q '^Usage: korvel ' || fail "korvel --help has no usage line"
set +e
message="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/korvel" --model-frm x.csv 2>&1)"
status=$?
set -e
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status"
echo "$message" | grep -q 'unknown option --model-frm.*--help' || fail "an unknown option was told as '$message'"
zcat "$root/usr/share/man/man1/korvel.1.gz" | grep -q '^\.TH KORVEL 1' || fail "the manual page has no title"
echo "check_package: $deb holds what it should and runs"
