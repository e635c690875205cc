#!/bin/sh
# Opens the register on a fresh demo database under Xvfb and saves a screenshot to docs/register.png.
set -e
cd "$(dirname "$0")/.."
build=${BUILD:-build}
folder=$(mktemp -d)
out=${1:-docs/register.png}
xvfb-run -a -s "-screen 0 1280x800x24" sh -c "
  $build/src/host/receipts-host --folder '$folder' & host=\$!
  sleep ${DELAY:-4}
  import -window root '$out'
  kill \$host
"
rm -rf "$folder"
echo "saved $out"
