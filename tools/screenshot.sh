#!/bin/sh
# tools/screenshot.sh [BUILD]: the screenshots of docs/, taken from the installed package. Builds the Debian
# package in the build folder (build by default), unpacks it into a temporary root and opens the installed
# program on a fresh demo shop under Xvfb with a window manager, once for each picture, driven by keyboard
# as a cashier drives it (xdotool):
#   docs/register.png  the register
#   docs/entry.png     the entry window with a customer chosen and the settle dialog open (F10)
#   docs/print.png     the register's print dialog, Windows Print offered (Alt+P twice reaches Print, which
#                      shares its letter with Post Ledgers)
#   docs/preview.png   the report preview Windows Print opens (OK)
# Needs xvfb-run, openbox, xdotool and ImageMagick's import.
set -e
cd "$(dirname "$0")/.."
build=${1:-build}
for tool in xvfb-run openbox xdotool import dpkg-deb; do
    command -v $tool >/dev/null || { echo "screenshot.sh: $tool is missing" >&2; exit 1; }
done
(cd "$build" && cpack -G DEB >/dev/null)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -x "$(ls -t "$build"/receipts_*.deb | head -1)" "$work/root"
export K8TR4072_REGISTRY="$work/registry.ini" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# shot NAME KEYS...: opens the register, presses the keys (a pause after each group) and saves the screen.
# A first run offscreen sets the demo shop and the default settings file up, so that the first start's message
# box stays out of the picture. With WINDOWS_PRINT=1 the settings file then offers Windows Print.
shot() {
    name=$1
    shift
    rm -rf "$work/app"
    QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/receipts-host" --folder "$work/app" & host=$!
    sleep 3
    kill $host
    [ -z "$WINDOWS_PRINT" ] || sed -i 's/^windowsprint .*/windowsprint :=1/' "$work/app/shopsetting.txt"
    xvfb-run -a -s "-screen 0 1280x800x24" sh -c "
      openbox & sleep 1
      '$work/root/usr/bin/receipts-host' --folder '$work/app' & host=\$!
      sleep 4
      for keys in $*; do xdotool key \$(echo \$keys | tr , ' '); sleep 2; done
      import -window root 'docs/$name.png'
      kill \$host
    "
    echo "saved docs/$name.png"
}

shot register
# The entry opens in Receipt No; two Tabs reach the customer list.
shot entry ctrl+Return Tab,Tab,Down F10
WINDOWS_PRINT=1 shot print alt+p,alt+p space
WINDOWS_PRINT=1 shot preview alt+p,alt+p space alt+o
