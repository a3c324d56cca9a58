#!/usr/bin/env bash
# Installs the Debian packages listed in debian-packages.txt that are not installed
# yet, and generates the locales the tests run under. Safe to run again and again.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
list="${1:-$here/debian-packages.txt}"

as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi

missing=()
while read -r package _; do
  case "$package" in ''|'#'*) continue ;; esac
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done < "$list"

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing Debian packages: ${missing[*]}"
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Number texts are tested under a German locale (decimal comma) and a Chinese one.
for name in de_DE zh_CN; do
  if ! locale -a 2>/dev/null | grep -qix "$name.utf8"; then
    echo "Generating locale $name.UTF-8"
    "${as_root[@]}" localedef -i "$name" -c -f UTF-8 "$name.UTF-8" || true
    locale -a | grep -qix "$name.utf8" || { echo "could not generate $name.UTF-8" >&2; exit 1; }
  fi
done
