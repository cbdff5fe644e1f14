#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need (only what is missing).
# clang with its runtimes (libclang-rt-dev: the sanitizers and libFuzzer) builds the checked builds;
# dpkg-dev finds the Debian package's dependencies. The font dialog's test lists the faces with
# fontconfig's fc-list and needs faces it must leave out (fonts-urw-base35: Type 1 and CFF).
set -euo pipefail
pkgs=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev libgmock-dev
      libbenchmark-dev fonts-liberation qt6-translations-l10n xvfb xauth poppler-utils
      desktop-file-utils xdotool clang libclang-rt-dev dpkg-dev fontconfig fonts-urw-base35)
missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
