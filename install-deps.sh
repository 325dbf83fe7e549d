#!/bin/bash
# The Debian 12 packages Velmira needs to build, test and run.
set -euo pipefail
# Fonts: Liberation stands in for Arial and Times New Roman, URW Nimbus Mono
# for Courier, and xfonts-scalable brings Bitstream Charter. mailcap brings
# run-mailcap, which opens the PDF documents. qt6-translations-l10n puts Qt's
# own print and save dialogs in the interface language. lld links the many
# test programs faster.
packages=(build-essential cmake qt6-base-dev qt6-translations-l10n libgl-dev fonts-liberation
          fonts-urw-base35 xfonts-scalable fonts-dejavu-core time mailcap lld)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
