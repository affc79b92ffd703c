#!/usr/bin/env bash
# Checks the Debian package as a shop's PC meets it (run as root; CI runs it):
#   scripts/check-package.sh [BUILD_FOLDER]      (default build; it must hold a finished build)
# makes the package there, runs lintian over it (no errors), installs it with apt-get, checks
# the manual pages, /usr/share/doc/tevo and `tevo --version` without a display, validates the desktop entry and the
# AppStream metadata, starts the installed tevo offscreen as an unprivileged user whose data
# folder is empty (the database and the dBase template must appear there and the program must
# keep running), starts it again to see that an existing file is left alone, does the same
# once as root (whose files must not land in /usr/bin), and removes the package.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
id=example.tevo.Tevo
user=tevo-check

rm -f "$build"/tevo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$PWD/$build"/tevo_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"

work=$(mktemp -d /tmp/tevo-check.XXXXXX)
chmod 755 "$work" # the unprivileged user reaches its home inside
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tevo >/dev/null 2>&1 || true
  id "$user" >/dev/null 2>&1 && userdel "$user" || true
  rm -rf "$work"
}
trap cleanup EXIT

# Debian's rules for a package: no error may remain (the warnings are listed in the README).
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 \
  || { echo "lintian found errors:"; cat "$work/lintian.log"; exit 1; }
[ ! -s "$work/lintian.log" ] || sed "s/^/  lintian: /" "$work/lintian.log"
echo "lintian: no errors"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
dpkg -L tevo | sort > "$work/files"
for f in /usr/bin/tevo /usr/bin/tevo-cli /usr/bin/tevo-scalesim /usr/bin/tevo-initdb \
         /usr/share/applications/$id.desktop /usr/share/metainfo/$id.metainfo.xml \
         /usr/share/icons/hicolor/scalable/apps/$id.svg /usr/share/icons/hicolor/48x48/apps/$id.png \
         /usr/share/tevo/help/index.html \
         /usr/share/man/man1/tevo.1.gz /usr/share/man/man1/tevo-cli.1.gz \
         /usr/share/man/man1/tevo-initdb.1.gz /usr/share/man/man1/tevo-scalesim.1.gz \
         /usr/share/doc/tevo/README.md /usr/share/doc/tevo/changelog.gz /usr/share/doc/tevo/copyright; do
  grep -qx "$f" "$work/files" || { echo "the package lacks $f"; exit 1; }
done
# The guide opens in the program's own window: no browser is pulled in.
! dpkg-deb -f "$deb" Depends Recommends | grep -q xdg-utils || { echo "the package still names xdg-utils"; exit 1; }
# --version and --help answer without a display (no DISPLAY, no platform named).
env -i PATH=/usr/bin:/bin LANG=C.UTF-8 /usr/bin/tevo --version | grep -qx "tevo 1.6" \
  || { echo "tevo --version did not answer without a display"; exit 1; }
env -i PATH=/usr/bin:/bin LANG=C.UTF-8 /usr/bin/tevo --help | grep -q "tevo-cli --help" \
  || { echo "tevo --help did not answer without a display"; exit 1; }
for p in tevo tevo-cli tevo-initdb tevo-scalesim; do
  man -l "/usr/share/man/man1/$p.1.gz" 2>/dev/null | grep -q . || zcat "/usr/share/man/man1/$p.1.gz" | grep -q '^\.TH' \
    || { echo "the manual page of $p is empty"; exit 1; }
done
echo "tevo --version and --help without a display; manual pages and /usr/share/doc/tevo in place"
desktop-file-validate /usr/share/applications/$id.desktop
appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml

# Starts the installed program as the given user with the given home; it must still run after
# a few seconds, by when its first start is long done.
start_tevo() { # USER HOME
  local uid gid
  uid=$(id -u "$1"); gid=$(id -g "$1")
  install -d -m 700 -o "$uid" -g "$gid" "$2/run"
  setpriv --reuid="$uid" --regid="$gid" --clear-groups \
    env -i HOME="$2" PATH=/usr/bin:/bin LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$2/run" \
    /usr/bin/tevo >"$2/tevo.log" 2>&1 &
  pid=$!
  sleep 4
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "the installed tevo ended within seconds:"; cat "$2/tevo.log"; exit 1
  fi
  kill "$pid"; wait "$pid" 2>/dev/null || true
  [ ! -s "$2/tevo.log" ] || sed "s/^/  tevo: /" "$2/tevo.log"
  pid=
}
expect_files() { # FOLDER
  [ -s "$1/TevoDataBase.gdb" ] && [ -s "$1/dorvask.dll" ] || { echo "no database or template in $1"; ls -la "$1" || true; exit 1; }
  /usr/bin/python3 - "$1/TevoDataBase.gdb" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
counts = [db.execute(f"select count(*) from {t}").fetchone()[0] for t in ("T", "M", "S")]
assert counts == [4000, 1000, 0], counts
PY
}

id "$user" >/dev/null 2>&1 || useradd --system --user-group --no-create-home --shell /usr/sbin/nologin "$user"
home="$work/home"
mkdir -p "$home" && chown "$user:$user" "$home"
start_tevo "$user" "$home"
expect_files "$home/.local/share/Tevo"
echo "first start as $user: database and template made in ~/.local/share/Tevo"
# The command line works on the same data folder as the window.
setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --clear-groups \
  env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 /usr/bin/tevo-cli data-check >"$work/cli.log" 2>&1 \
  || { echo "the installed tevo-cli failed:"; cat "$work/cli.log"; exit 1; }
echo "tevo-cli as $user: the data check on the database in ~/.local/share/Tevo"

echo "the user's own template" > "$home/.local/share/Tevo/dorvask.dll"
start_tevo "$user" "$home"
grep -qx "the user's own template" "$home/.local/share/Tevo/dorvask.dll" || { echo "a start replaced an existing file"; exit 1; }
echo "second start: the existing files left alone"

roothome="$work/root"
mkdir -p "$roothome"
start_tevo root "$roothome"
expect_files "$roothome/.local/share/Tevo"
for f in TevoDataBase.gdb dorvask.dll ScaleTevo_workProp.ini AutoLoad.ini; do
  [ ! -e "/usr/bin/$f" ] || { echo "/usr/bin/$f was written"; exit 1; }
done
echo "start as root: its files in its own data folder, none in /usr/bin"

DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tevo >/dev/null
[ ! -e /usr/bin/tevo ] || { echo "removing the package left /usr/bin/tevo"; exit 1; }
echo "package installed, started, validated and removed"
