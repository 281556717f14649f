#!/bin/sh
# Installs the Debian 12 packages that building, running and testing Albumcraft need.
# Does nothing when they are all there. Runs as root, or as a normal user through sudo.
set -eu

packages="build-essential cmake ninja-build pkg-config
  libjpeg62-turbo-dev libwxgtk3.2-dev libgtk-3-dev libcairo2-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev
  clang libclang-rt-14-dev
  xvfb xauth x11-utils fonts-liberation poppler-utils"

missing=""
for package in $packages; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $package"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
  as_root=""
else
  as_root="sudo"
fi
$as_root apt-get update
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
