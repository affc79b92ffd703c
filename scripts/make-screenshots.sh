#!/usr/bin/env bash
# Makes the pictures of the user guide from the program's windows on a virtual X server:
#   scripts/make-screenshots.sh [FOLDER]      (default doc/guide/images)
# Run it again whenever the windows change, look at the pictures and commit them. The build
# folder is build/ (TEVO_BUILD_DIR sets another); the screenshot tool is built when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-doc/guide/images}
build=${TEVO_BUILD_DIR:-build}
cmake --build "$build" --target tevo-screenshots >/dev/null
mkdir -p "$out"
# The designed size of the main window; the pale theme of a freshly set-up desktop.
xvfb-run -a -s "-screen 0 1036x780x24 -dpi 96 -nolisten tcp" \
  env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= QT_STYLE_OVERRIDE=Fusion LC_ALL=C.UTF-8 \
  "$build/bin/tevo-screenshots" "$out" doc/guide/examples
