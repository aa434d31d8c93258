#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and any named on the command
# line, and nothing when all are present.
set -euo pipefail

# Qt Charts draws the progress report; its CMake package needs Qt OpenGL's, which Debian
# ships apart from both (libqt6opengl6-dev), so the two are named together.
packages=(cmake g++ make qt6-base-dev qt6-charts-dev libqt6opengl6-dev fonts-dejavu-core "$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    as_root=(sudo)
fi

echo "Installing missing packages: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
