#!/usr/bin/env bash
# Installs the Debian packages Tilora's build, tests and Wine desktop need, when missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ python3
    clang libclang-rt-14-dev
    libgtest-dev libgmock-dev googletest libbenchmark-dev
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
    wine64 xvfb openbox x11-apps x11-xserver-utils imagemagick unzip
)
# The manuals (WeasyPrint renders them from Markdown), without recommended packages: fonttools
# would otherwise pull in SciPy, NumPy and the Boost headers. munkres and unicodedata2 are the
# small choices among fonttools' alternative dependencies.
manual_packages=(
    weasyprint python3-markdown fonts-dejavu-core python3-munkres python3-unicodedata2
)

missing_of() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            echo "$package"
        fi
    done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_manual < <(missing_of "${manual_packages[@]}")
[ ${#missing[@]} -eq 0 ] && [ ${#missing_manual[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]} ${missing_manual[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
    $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
if [ ${#missing_manual[@]} -gt 0 ]; then
    $sudo apt-get install -y -qq --no-install-recommends "${missing_manual[@]}" >/dev/null
fi
