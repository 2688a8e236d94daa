#!/usr/bin/env bash
# Installs the build under a temporary prefix and asks the desktop's own tools what a crypt is:
# a crypt under an unrelated name is typed by its magic, a ".CRP" file by its name.
#   install_mime_types.sh <build folder>
set -euo pipefail
build=$1
for tool in update-mime-database xdg-mime; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share

for f in applications/quorvane.desktop mime/packages/quorvane.xml \
         icons/hicolor/scalable/apps/quorvane.svg \
         icons/hicolor/scalable/mimetypes/application-x-quorvane-crypt.svg \
         quorvane/help/index.html man/man1/quorvane.1; do
  [ -f "$share/$f" ] || { echo "FAIL: $f was not installed"; exit 1; }
done
grep -qx 'Exec=quorvane %f' "$share/applications/quorvane.desktop" ||
  { echo "FAIL: the installed entry does not start quorvane %f"; exit 1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/quorvane.desktop"
fi

update-mime-database "$share/mime" >/dev/null 2>&1

# Only our prefix and the system's own types; a home of our own, so no user data takes part.
export XDG_DATA_DIRS=$share:/usr/share
export XDG_DATA_HOME=$work/home/.local/share
export HOME=$work/home
mkdir -p "$XDG_DATA_HOME"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

samples=$work/samples
mkdir -p "$samples"
printf 'AX1\002\000\000\000\020rest of a header and a body' >"$samples/holiday.qzv7"
printf 'AX1\002 rest' >"$samples/no-extension"
printf 'plain words, no header' >"$samples/LETTER.CRP"
printf 'plain words, no header' >"$samples/letter.crp"
printf 'AX2\002 another version' >"$samples/other.qzv7"
printf 'AX1\000 method zero' >"$samples/zero.qzv7"

status=0
expect() {  # expect <file> <type>
  local got
  got=$(xdg-mime query filetype "$samples/$1" 2>/dev/null | cut -d';' -f1)
  if [ "$got" = "$2" ]; then
    echo "ok: $1 is $got"
  else
    echo "FAIL: $1 is '$got', expected $2"
    status=1
  fi
}
expect_not() {  # expect_not <file> <type>
  local got
  got=$(xdg-mime query filetype "$samples/$1" 2>/dev/null | cut -d';' -f1)
  if [ "$got" = "$2" ]; then
    echo "FAIL: $1 is $got"
    status=1
  else
    echo "ok: $1 is '$got', not $2"
  fi
}

crypt=application/x-quorvane-crypt
expect holiday.qzv7 "$crypt"
expect no-extension "$crypt"
expect LETTER.CRP "$crypt"
expect letter.crp "$crypt"
expect_not other.qzv7 "$crypt"
expect_not zero.qzv7 "$crypt"

# And the type has its name and icon in the shared database.
grep -q 'Crypt Document' "$share/mime/$crypt.xml" || { echo "FAIL: no comment"; status=1; }
exit $status
