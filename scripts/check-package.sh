#!/usr/bin/env bash
# Builds the Debian package from a build folder (default: build), installs it
# with dpkg into a scratch root, and checks the installed programs and desktop
# files: quillet-cli runs and slices the demo loop, the desktop entry, the
# AppStream metainfo, the MIME types and the manual pages pass their checkers,
# a document is known as one and opens with Quillet, the package's
# dependencies resolve on this machine, and removing the package leaves
# nothing behind.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
app_id=org.quillet.Quillet
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
root="$scratch/root"
work="$scratch/work"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$work"
touch "$root/var/lib/dpkg/status"

fail() { echo "!! check-package: $*" >&2; exit 1; }
step() { echo "-- $*"; }

step "building the package"
cmake --build "$build" -j "${JOBS:-2}"
rm -f "$build"/quillet_*.deb
(cd "$build" && cpack -G DEB > "$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(find "$build" -maxdepth 1 -name 'quillet_*.deb' -print -quit)
[ -n "$deb" ] || fail "no package was written"
deb=$(realpath "$deb")
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends | sed 's/^/   /'

step "dependencies resolve"
depends=$(dpkg-deb --field "$deb" Depends)
for library in libc6 libstdc++6 libqt6widgets6 librtaudio6 libjpeg62-turbo; do
  grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done
apt-get install --simulate --no-install-recommends "$deb" > "$work/apt.log" 2>&1 ||
  { cat "$work/apt.log"; fail "the dependencies do not resolve"; }

step "installing into a scratch root"
dpkg_root=(dpkg --root="$root" --log=/dev/null --force-depends)
if [ "$(id -u)" -ne 0 ]; then dpkg_root=(fakeroot "${dpkg_root[@]}" --force-not-root); fi
"${dpkg_root[@]}" --install "$deb" > "$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg --install failed"; }
usr="$root/usr"
share="$usr/share"
for file in bin/quillet bin/quillet-cli share/quillet/quillet-help.html share/quillet/demo-loop.aif \
            share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
            share/mime/packages/$app_id.xml share/icons/hicolor/scalable/apps/$app_id.svg \
            share/man/man1/quillet.1 share/man/man1/quillet-cli.1; do
  [ -s "$usr/$file" ] || fail "the package does not install $file"
done
for size in 16 22 24 32 48 64 128 256; do
  identify -format '%wx%h' "$share/icons/hicolor/${size}x${size}/apps/$app_id.png" | grep -qx "${size}x${size}" ||
    fail "the ${size}x${size} icon is missing or of another size"
done
if ldd "$usr/bin/quillet" "$usr/bin/quillet-cli" | grep 'not found'; then fail "a library is missing"; fi

step "the installed batch tool"
cli="$usr/bin/quillet-cli"
if "$cli" --version > "$work/version.txt" 2>&1; then
  grep -q '[0-9]\.[0-9]' "$work/version.txt" || fail "quillet-cli --version names no version"
  sed 's/^/   /' "$work/version.txt"
else
  "$cli" --help > /dev/null || fail "quillet-cli --help failed"
fi
"$cli" slice "$share/quillet/demo-loop.aif" --bars 2 > "$work/slice.txt" || fail "quillet-cli slice failed"
grep -q '120' "$work/slice.txt" || { cat "$work/slice.txt"; fail "the demo loop does not slice to 120 BPM"; }
"$cli" export "$share/quillet/demo-loop.aif" --bars 2 --save "$work/loop.qlt" --slx "$work/loop.slx" > /dev/null ||
  fail "quillet-cli export failed"

step "desktop entry, metainfo, MIME types"
desktop-file-validate "$share/applications/$app_id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
xmllint --noout "$share/mime/packages/$app_id.xml" || fail "xmllint"
# The desktop's view of the installed files, with its caches made apart from them.
data="$work/data"
mkdir -p "$data/mime/packages" "$data/applications"
cp "$share/mime/packages/$app_id.xml" "$data/mime/packages/"
cp "$share/applications/$app_id.desktop" "$data/applications/"
# The desktop offers only programs it finds on the PATH.
export XDG_DATA_HOME="$data" XDG_DATA_DIRS=/usr/share XDG_CONFIG_HOME="$work/config" PATH="$usr/bin:$PATH"
update-mime-database "$data/mime" || fail "update-mime-database"
update-desktop-database "$data/applications" || fail "update-desktop-database"
content_type() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
cp "$work/loop.qlt" "$work/unnamed-document"
cp "$work/loop.slx" "$work/unnamed-slices"
while read -r file expected; do
  found=$(content_type "$work/$file")
  [ "$found" = "$expected" ] || fail "$file is known as '$found', not $expected"
done <<EOF
loop.qlt application/x-quillet-document
loop.slx application/x-quillet-slx
unnamed-document audio/x-aiff
unnamed-slices application/x-quillet-slx
EOF
gio mime application/x-quillet-document | grep -q "$app_id.desktop" ||
  fail "documents do not open with Quillet"

step "manual pages"
for page in quillet quillet-cli; do
  warnings=$(groff -man -ww -z -Tutf8 "$share/man/man1/$page.1" 2>&1)
  [ -z "$warnings" ] || fail "$page.1: $warnings"
done
rendered=$(MANWIDTH=200 man -l "$share/man/man1/quillet-cli.1" 2>/dev/null)
for option in $("$cli" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  grep -q -- "$option" <<<"$rendered" || fail "quillet-cli.1 lacks $option of quillet-cli --help"
done

step "removing the package"
"${dpkg_root[@]}" --remove quillet > "$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg --remove failed"; }
left=$(find "$root" -mindepth 1 -path "$root/var" -prune -o -print | head -5)
[ -z "$left" ] || fail "removing the package left files behind: $left"

echo "== package $(basename "$deb") installs, runs, validates and removes cleanly"
