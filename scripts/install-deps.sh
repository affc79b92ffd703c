#!/usr/bin/env bash
# Installs every Debian package Tevo needs to build, run and test. Safe to run again.
set -euo pipefail
PKGS=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite qt6-translations-l10n qt6-qpa-plugins
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  python3 python3-xlrd python3-dbfread
  clang libclang-rt-14-dev clang-tidy
)
# --- the workbook formats (README, "Workbooks"): .xlsx packages opened with libzip, .xls read
# --- with libfreexl, .xlsx written with libxlsxwriter; the tests make and read workbooks with
# --- the Python readers and writers
PKGS+=(libzip-dev libfreexl-dev libxlsxwriter-dev python3-openpyxl python3-xlwt)
# --- end of the workbook block
# The Ukrainian and English texts (README, "Languages"): lupdate and lrelease, and the CMake
# package Qt6LinguistTools that compiles translations/*.ts at build time
# (scripts/check-translations.sh runs lupdate).
PKGS+=(qt6-l10n-tools qt6-tools-dev)
# The format check (scripts/check-format.sh).
PKGS+=(clang-format-14)
# --- the Debian package and the user guide: icons drawn at build time, the package's checks,
# --- the guide's screenshots under a virtual X server (scripts/check-package.sh, make-screenshots.sh)
PKGS+=(librsvg2-bin dpkg-dev desktop-file-utils appstream xvfb xauth)
# The manual pages made from each program's --help (help2man) and the package's lint (lintian).
PKGS+=(help2man lintian)
# --- end of the package and guide block
# The desktop tests: an X server with a tray host, clicked with xdotool (tests/desktop).
PKGS+=(xvfb trayer xdotool x11-utils fonts-dejavu-core)
# --- PostgreSQL: the database server the program may use instead of its embedded file (the Qt
# --- driver), and the server the tests start a throw-away cluster of (scripts/pg-test-cluster.sh)
PKGS+=(libqt6sql6-psql libpq-dev postgresql-15)
# --- end of the PostgreSQL block
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
