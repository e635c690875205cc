#!/bin/sh
# Installs the Debian 12 packages the build, the tests, the test server and the screenshots need (skips what
# is there): the database server, its client library and the QtSql driver that reaches it through ODBC; help2man for
# the manual page and lintian for the check of the Debian packages; a window manager and a clipboard reader for
# the keyboard check under Xvfb.
set -e
packages="cmake ninja-build g++ pkg-config qt6-base-dev libqt6sql6-sqlite libsqlite3-dev
libgl-dev libgtest-dev libgmock-dev xvfb xauth imagemagick xdotool valgrind tzdata clang-format
postgresql-15 postgresql-client-15 libpq-dev libqt6sql6-odbc unixodbc unixodbc-dev odbc-postgresql
help2man lintian openbox xclip x11-utils"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
as_root=""
[ "$(id -u)" -eq 0 ] || as_root="sudo"
$as_root apt-get update -qq
DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq $missing
