#!/usr/bin/env bash
# Installs what Brindle needs to build, run and test on Debian 12 or 13 (every name exists on both).
# Safe to run again: it only installs packages that are missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git clang libclang-rt-dev file
  qtbase5-dev qttools5-dev qttools5-dev-tools libqt5svg5-dev libqt5opengl5-dev qt5-image-formats-plugins
  qttranslations5-l10n
  ffmpeg libavformat-dev libavcodec-dev libavutil-dev libavfilter-dev
  libswscale-dev libswresample-dev libavdevice-dev
  libsdl2-dev libass-dev libuchardet-dev
  melt libmlt-dev libmlt++-dev
  xvfb xauth libgl1-mesa-dri libglx-mesa0 mesa-utils
  fonts-liberation fonts-dejavu-core fonts-wqy-microhei
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
