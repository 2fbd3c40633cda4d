#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test.
# Idempotent: asks apt only for what is missing; runs as root without a terminal.
set -euo pipefail

packages=(
  cmake g++ make pkg-config clang-format
  qt6-base-dev libqt6sql6-ibase
  firebird-dev libfbclient2 firebird3.0-server-core
  libfreexl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
