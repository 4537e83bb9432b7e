#!/usr/bin/env bash
# Installs the Debian packages that building, testing, benchmarking and fuzzing ZELT need.
# Idempotent and silent when everything is already installed. Packages named as arguments are
# installed as well.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config git
    clang libclang-rt-14-dev clang-format
    qt6-base-dev libgl-dev libx11-dev
    libhidapi-dev
    libcli11-dev
    libgtest-dev libgmock-dev googletest
    libbenchmark-dev
    fonts-dejavu-core
)
# Callers may name more, for tasks that only they need.
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
        sudo_cmd=(sudo)
    else
        echo "error: not root and no sudo; install these packages first: ${missing[*]}" >&2
        exit 2
    fi
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
