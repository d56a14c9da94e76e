#!/usr/bin/env bash
# Installs the build folder $1 into a scratch folder and checks what a Debian desktop and a user
# get from it. Every failed check is printed; the exit status is 1 when any failed.
#   check_install_tree.sh BUILD_FOLDER VERSION
set -uo pipefail
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/usr
failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install" >&2; exit 1; }
app=org.quillmaze.Quillmaze
share=$prefix/share

# What the package carries.
for file in bin/quillmaze bin/quillmaze-cli "share/applications/$app.desktop" "share/metainfo/$app.metainfo.xml" \
    share/mime/packages/quillmaze.xml share/icons/hicolor/scalable/apps/quillmaze.svg \
    share/man/man1/quillmaze.1.gz share/man/man1/quillmaze-cli.1.gz \
    share/doc/quillmaze/copyright share/doc/quillmaze/changelog.gz \
    share/quillmaze/QZFLAY.DAT share/quillmaze/QZFPAGE.DAT share/quillmaze/SAMPLE.QZ3 share/quillmaze/tips.txt share/quillmaze/help/index.html \
    share/doc/quillmaze/manual/index.html share/doc/quillmaze/manual/getting_started.html; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x$size/apps/quillmaze.png
  file -b "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not a $size-pixel PNG"
done

# The validators: no error and no warning (desktop-file-validate's hints are advice).
out=$(desktop-file-validate "$share/applications/$app.desktop" 2>&1 | grep -v ': hint: ')
[ -z "$out" ] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$share/metainfo/$app.metainfo.xml" >"$scratch/appstream.txt" 2>&1 ||
  fail "appstreamcli validate: $(cat "$scratch/appstream.txt")"
for page in "$share"/man/man1/*.1.gz; do
  out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$out" ] || fail "man --warnings $page: $out"
done
head -1 "$share/doc/quillmaze/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not in the machine-readable format"
zcat "$share/doc/quillmaze/changelog.gz" | head -1 | grep -q "^quillmaze ($version) " ||
  fail "the changelog does not open with version $version"

# The file types, in a MIME database of their own, as a desktop's file manager reads them.
mkdir -p "$scratch/data/mime/packages" "$scratch/files"
cp "$share/mime/packages/quillmaze.xml" "$scratch/data/mime/packages/"
out=$(XDG_DATA_HOME="$scratch/data" update-mime-database "$scratch/data/mime" 2>&1)
[ -z "$out" ] || fail "update-mime-database: $out"
sample=$share/quillmaze/SAMPLE.QZ3
cp "$sample" "$scratch/files/SCHOOL.QZ3"
cp "$sample" "$scratch/files/school.qz3"
{ printf 'LAY1.0'; head -c 2555 "$share/quillmaze/QZFLAY.DAT"; } >"$scratch/files/Heart.Lay"
cp "$scratch/files/Heart.Lay" "$scratch/files/heart-shape"
{ printf 'PAG1.0'; head -c 28868 "$share/quillmaze/QZFPAGE.DAT"; } >"$scratch/files/WORKSHEET.PAG"
cp "$scratch/files/WORKSHEET.PAG" "$scratch/files/worksheet-layout"
while read -r name type; do
  got=$(XDG_DATA_HOME="$scratch/data" XDG_DATA_DIRS=/usr/share gio info -a standard::content-type \
    "$scratch/files/$name" | sed -n 's/^ *standard::content-type: //p')
  [ "$got" = "$type" ] || fail "$name has the type '$got', not $type"
done <<TYPES
SCHOOL.QZ3 application/x-quillmaze-collection
school.qz3 application/x-quillmaze-collection
Heart.Lay application/x-quillmaze-shape
heart-shape application/x-quillmaze-shape
WORKSHEET.PAG application/x-quillmaze-page-layout
worksheet-layout application/x-quillmaze-page-layout
TYPES
grep -q '^MimeType=application/x-quillmaze-collection;application/x-quillmaze-shape;application/x-quillmaze-page-layout;$' \
  "$share/applications/$app.desktop" || fail "the desktop entry does not open the three file types"

# The installed programs answer --version and --help without a display, and write nothing.
home=$scratch/home
mkdir -p "$home" "$scratch/work"
cd "$scratch/work"
for program in quillmaze quillmaze-cli; do
  out=$(env -u DISPLAY HOME="$home" "$prefix/bin/$program" --version)
  [ "$out" = "Quillmaze 98 $version" ] || fail "$program --version printed '$out'"
  env -u DISPLAY HOME="$home" "$prefix/bin/$program" --help | grep -q "$program" || fail "$program --help"
done
# A command line it does not understand is refused once Qt has taken its own options out.
QT_QPA_PLATFORM=offscreen HOME="$home" "$prefix/bin/quillmaze" --print 2>"$scratch/err.txt"
[ $? -eq 1 ] && grep -q "unknown option --print" "$scratch/err.txt" || fail "quillmaze --print was not refused"
[ -z "$(ls -A "$home")" ] || fail "--version or --help wrote into the home folder: $(ls -A "$home")"

# An installed tool keeps the user's shapes and layouts in ~/.local/share/quillmaze and never
# writes under share/ (checked by the contents and times, since the tests run as root).
snapshot() { (cd "$share/quillmaze" && find . -printf '%p %s %T@\n' | sort && find . -type f -exec sha256sum {} + | sort); }
before=$(snapshot)
cli() { env -u XDG_DATA_HOME HOME="$home" "$prefix/bin/quillmaze-cli" "$@"; }
user=$home/.local/share/quillmaze
starters=$(cli shapes list | grep -c '"index"')
[ "$starters" -eq $(($(stat -c %s "$share/quillmaze/QZFLAY.DAT") / 2555)) ] || fail "shapes list gave $starters shapes"
cli shapes export 0 "$scratch/first.LAY" >/dev/null || fail "shapes export"
cli shapes import "$scratch/first.LAY" | grep -q "\"index\": $starters" || fail "shapes import"
[ "$(stat -c %s "$user/QZFLAY.DAT")" -eq $(((starters + 1) * 2555)) ] || fail "the new shape is not in $user"
layouts=$(($(stat -c %s "$share/quillmaze/QZFPAGE.DAT") / 28868))
cli layouts export 0 "$scratch/first.PAG" >/dev/null || fail "layouts export"
cli layouts import "$scratch/first.PAG" >/dev/null || fail "layouts import"
[ "$(stat -c %s "$user/QZFPAGE.DAT")" -eq $(((layouts + 1) * 28868)) ] || fail "the new layout is not in $user"
cmp -s "$user/SAMPLE.QZ3" "$sample" || fail "the sample collection was not copied to $user"
[ "$(snapshot)" = "$before" ] || fail "something under share/quillmaze changed"
[ "$(ls -A "$home")" = ".local" ] || fail "the tool wrote into the home folder: $(ls -A "$home")"
[ -z "$(ls -A "$scratch/work")" ] || fail "the tool wrote into its working folder: $(ls -A "$scratch/work")"

# A user's XDG_DATA_HOME is honoured.
XDG_DATA_HOME="$scratch/xdg" HOME="$home" "$prefix/bin/quillmaze-cli" shapes list >/dev/null
[ -f "$scratch/xdg/quillmaze/QZFLAY.DAT" ] || fail "XDG_DATA_HOME was not used"

[ "$failures" -eq 0 ]
