#!/usr/bin/env bash
# Installs the Debian package, checks its files, starts the installed program and sees
# it still running after two seconds, ends it, and removes the package again.
# Needs root (CI runs as root on a throw-away machine); elsewhere it says so and skips.
#   scripts/test-package.sh path/to/marvolen_<version>_<arch>.deb
set -euo pipefail
deb=$(realpath "$1")

if [ "$(id -u)" -ne 0 ]; then
  echo "package test: skipped, installing a package needs root"
  exit 0
fi
if dpkg-query -W -f='${Status}' marvolen 2>/dev/null | grep -q 'install ok installed'; then
  echo "package test: marvolen is installed on this machine already; not touching it" >&2
  exit 1
fi

fail() { echo "package test: $*" >&2; exit 1; }
cleanup() { DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq marvolen >/dev/null 2>&1 || true; }
trap cleanup EXIT

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" >/dev/null

for file in /usr/bin/marvolen /usr/share/applications/marvolen.desktop \
            /usr/share/icons/hicolor/32x32/apps/marvolen.png /usr/share/icons/hicolor/scalable/apps/marvolen.svg \
            /usr/share/metainfo/marvolen.metainfo.xml; do
  [ -f "$file" ] || fail "missing $file"
done
depends=$(dpkg-query -W -f='${Depends}' marvolen)
for needed in libqt6widgets6 fonts-noto-cjk fonts-liberation2; do
  case "$depends" in *"$needed"*) ;; *) fail "does not depend on $needed: $depends" ;; esac
done
desktop-file-validate /usr/share/applications/marvolen.desktop
if appstreamcli validate --no-net /usr/share/metainfo/marvolen.metainfo.xml | grep '^E:'; then
  fail "metainfo has errors"
fi

scratch=$(mktemp -d)
chmod 700 "$scratch"
HOME=$scratch XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=offscreen /usr/bin/marvolen >"$scratch/log" 2>&1 &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || { cat "$scratch/log" >&2; fail "the installed program did not keep running"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
rm -rf "$scratch"

cleanup
trap - EXIT
[ ! -e /usr/bin/marvolen ] || fail "removing the package left /usr/bin/marvolen"
echo "package test: installed, ran for 2 s, removed: $(basename "$deb")"
