#!/bin/sh
# Opens the register on a fresh demo database under Xvfb and saves a screenshot to docs/register.png.
# With --entry it presses Ctrl+Enter (New), picks the first customer and saves the entry window to
# docs/entry.png instead (needs xdotool).
set -e
cd "$(dirname "$0")/.."
build=${BUILD:-build}
default=docs/register.png
window=root
actions=""
if [ "$1" = "--entry" ]; then
    shift
    command -v xdotool >/dev/null || { echo "screenshot.sh: --entry needs xdotool" >&2; exit 1; }
    default=docs/entry.png
    # The first Tab enters the window's first field, two more reach the customer list.
    actions="xdotool key ctrl+Return; sleep 2; xdotool key Tab Tab Tab Down; sleep 2"
    window='$(xdotool getwindowfocus)'
fi
folder=$(mktemp -d)
out=${1:-$default}
xvfb-run -a -s "-screen 0 1280x800x24" sh -c "
  $build/src/host/receipts-host --folder '$folder' & host=\$!
  sleep ${DELAY:-4}
  ${actions:-:}
  import -window $window '$out'
  kill \$host
"
rm -rf "$folder"
echo "saved $out"
