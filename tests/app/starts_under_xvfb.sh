#!/usr/bin/env bash
# Starts the window program on a virtual X server, waits for its main window to be mapped,
# takes a picture of the screen, and closes the program.
#   starts_under_xvfb.sh <quorvane> <screenshot folder>
set -euo pipefail
program=$1
shots=$2
for tool in xvfb-run xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$shots"
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_CONFIG_HOME=$work/home/.config
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# Without a display the program says so in one line that names the console program.
if out=$(env -u DISPLAY "$program" 2>&1); then
  echo "FAIL: started without a display"; exit 1
fi
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] && [[ $out == *quorvane-cli* ]] ||
  { echo "FAIL: without a display it said: $out"; exit 1; }
echo "ok: without a display: $out"

cat >"$work/inside.sh" <<'INSIDE'
set -u
program=$1 shots=$2
"$program" &
pid=$!
found=
for _ in $(seq 1 100); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Untitled - Quorvane"'; then found=yes; break; fi
  if ! kill -0 "$pid" 2>/dev/null; then break; fi
  sleep 0.1
done
if [ -n "$found" ]; then
  id=$(xwininfo -root -tree | grep '"Untitled - Quorvane"' | head -1 | awk '{print $1}')
  xwininfo -id "$id" | grep -E 'Map State|Width|Height'
  sleep 0.5
  if command -v import >/dev/null; then import -window root "$shots/main-window-xvfb.png"; fi
fi
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ -n "$found" ] || { echo "FAIL: no window named 'Untitled - Quorvane' appeared"; exit 1; }
xwininfo -id "$id" >/dev/null 2>&1 && { echo "FAIL: the window outlived the program"; exit 1; }
echo "ok: the main window was shown on the X server"
INSIDE
xvfb-run -a -s "-screen 0 800x600x24" bash "$work/inside.sh" "$program" "$shots"
