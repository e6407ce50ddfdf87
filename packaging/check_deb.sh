#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package of a built tree in a scratch folder and checks what apt would get:
# exactly the game's files in their places, the control fields apt needs (Depends read off the
# binary), and an unpacked tree whose desktop entry, icon and metainfo agree with each other and
# whose binary loads all its libraries; and what lintian, the reviewer a Debian sponsor runs
# first, says of it: no error and no warning (its informational and pedantic notes are shown).
#
#   check_deb.sh CPACK_CONFIG SCRATCH_DIR APP_ID LINGUAS
set -euo pipefail
config=$1
scratch=$2
app_id=$3
languages=$(grep -v '^#' "$4")

fail() {
    echo "check_deb: $*" >&2
    exit 1
}

rm -rf "$scratch"
mkdir -p "$scratch"
if ! cpack --config "$config" -B "$scratch" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    fail "cpack could not build the package"
fi
shopt -s nullglob
debs=("$scratch"/zorvik_*.deb)
[[ ${#debs[@]} -eq 1 ]] || fail "expected one zorvik_*.deb in $scratch, found ${#debs[@]}"
deb=${debs[0]}

# Files only: dpkg makes the folders as it goes.
expected=$(sort <<END
./usr/games/zorvik
./usr/share/applications/$app_id.desktop
./usr/share/doc/zorvik/changelog.gz
./usr/share/doc/zorvik/copyright
$(for size in 16 22 24 32 48 64 128 256; do
    echo "./usr/share/icons/hicolor/${size}x$size/apps/$app_id.png"
done)
./usr/share/icons/hicolor/scalable/apps/$app_id.svg
./usr/share/man/man6/zorvik.6.gz
./usr/share/metainfo/$app_id.metainfo.xml
END
)
listing=$(dpkg-deb -c "$deb")
packaged=$(awk '$1 !~ /^d/ { print $6 }' <<<"$listing" | sort)
diff <(echo "$expected") <(echo "$packaged") \
    || fail "the package's files are not the game's (< missing, > unexpected)"
[[ $(awk '$6 == "./usr/games/zorvik" { print $1 }' <<<"$listing") == -rwxr-xr-x ]] \
    || fail "usr/games/zorvik is not an executable file"

field() {
    dpkg-deb -f "$deb" "$1"
}
[[ $(field Package) == zorvik ]] || fail "Package is '$(field Package)'"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] \
    || fail "Architecture is '$(field Architecture)'"
[[ $(field Section) == games ]] || fail "Section is '$(field Section)'"
[[ $(field Maintainer) == *@* ]] || fail "Maintainer has no address: '$(field Maintainer)'"
[[ -n $(field Version) ]] || fail "no Version"
depends=$(field Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6; do
    pattern="(^|[ ,])${library//+/\\+}([ ,(]|$)"
    [[ $depends =~ $pattern ]] || fail "Depends lacks $library: '$depends'"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" \
    || fail "the packaged desktop entry is not valid"
appstreamcli validate-tree --no-net --pedantic "$root" \
    || fail "AppStream does not accept the packaged tree"
# What the menu shows and starts must be in the package, which neither validator checks.
entry=$root/usr/share/applications/$app_id.desktop
icon=$(sed -n 's/^Icon=//p' "$entry")
compgen -G "$root/usr/share/icons/hicolor/*/apps/$icon.*" >/dev/null \
    || fail "the desktop entry's icon '$icon' is not in the package"
[[ $(sed -n 's/^StartupWMClass=//p' "$entry") == "$app_id" ]] \
    || fail "the desktop entry's StartupWMClass is not the application id $app_id"
# The entry's own command and each of its actions' (play with sound, without).
while read -r command; do
    [[ -x $root/usr/games/$command ]] || fail "the desktop entry starts '$command', not in usr/games"
done < <(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")

# With no display the game says so and exits 1; a missing library would end it with 127.
status=0
message=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/games/zorvik" 2>&1) \
    || status=$?
[[ $status -eq 1 && $message == *"no display"* ]] \
    || fail "the packaged binary did not start (status $status): $message"

# Each language speaks in the menu, the software centre and the game's own start-up line.
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
for language in $languages; do
    [[ $(grep -c "^Name\[$language\]=" "$entry") -ge 2 && $(grep -c "^Comment\[$language\]=" "$entry") -eq 1 ]] \
        || fail "the desktop entry's comment and actions are not in '$language'"
    grep -q "<summary xml:lang=\"$language\">" "$metainfo" \
        || fail "the metainfo's summary is not in '$language'"
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LANG="$language.UTF-8" \
        "$root/usr/games/zorvik" 2>&1) || true
    [[ -n $said && $said != "$message" ]] || fail "the game's start-up line is not in '$language': $said"
done
[[ $("$root/usr/games/zorvik" --version) == "zorvik $(field Version)" ]] \
    || fail "the packaged binary's version is not the package's $(field Version)"

# Lintian unpacks the package itself; root is only warned about.
lintian -EvIL +pedantic --color never "$deb" >"$scratch/lintian.log" 2>&1 || true
cat "$scratch/lintian.log"
if grep -E '^[EW]: ' "$scratch/lintian.log" >/dev/null; then
    fail "lintian reports errors or warnings"
fi
echo "check_deb: $(basename "$deb") holds the game; Depends: $depends"
