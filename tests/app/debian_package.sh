#!/usr/bin/env bash
# Builds the Debian package from a build folder, lists what it holds, and runs the console
# program taken out of it.
#   debian_package.sh <build folder>
set -euo pipefail
build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
deb=$(ls "$work"/out/*.deb)
echo "package: $(basename "$deb")"

dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
cat "$work/contents"
status=0
for f in ./usr/bin/quorvane ./usr/bin/quorvane-cli \
         ./usr/share/man/man1/quorvane.1 ./usr/share/man/man1/quorvane-cli.1 \
         ./usr/share/applications/quorvane.desktop ./usr/share/mime/packages/quorvane.xml \
         ./usr/share/icons/hicolor/scalable/apps/quorvane.svg \
         ./usr/share/icons/hicolor/scalable/mimetypes/application-x-quorvane-crypt.svg \
         ./usr/share/quorvane/help/index.html; do
  grep -qx -- "$f" "$work/contents" || { echo "FAIL: $f is not in the package"; status=1; }
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6core6 libc6 libstdc++6; do
  [[ $depends == *"$lib"* ]] || { echo "FAIL: Depends lacks $lib"; status=1; }
done

dpkg-deb -x "$deb" "$work/root"
version=$("$work/root/usr/bin/quorvane-cli" --version)
echo "quorvane-cli --version: $version"
[[ $version == *1.0* ]] || { echo "FAIL: unexpected version text"; status=1; }
# The window program answers --version without a display.
window_version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
  "$work/root/usr/bin/quorvane" --version)
echo "quorvane --version: $window_version"
[[ $window_version == "quorvane 1.0.0" ]] || { echo "FAIL: unexpected version text"; status=1; }
exit $status
