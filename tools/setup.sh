#!/bin/sh
# Sets up a fresh Debian/Ubuntu machine, builds Sorna and then either starts it or runs every test.
#   sh tools/setup.sh run     install what is missing, build, start the reader
#   sh tools/setup.sh test    install what is missing, build, run all tests
set -eu
mode=${1:-run}
cd "$(dirname "$0")/.."

packages="cmake ninja-build g++ pkg-config qt6-base-dev qt6-translations-l10n libicu-dev zlib1g-dev
    fonts-nanum fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev libx11-dev libxcb1-dev
    librsvg2-bin"
# Warnings stop the build only where tests are run: a compiler newer than ours may warn anew.
werror=OFF
if [ "$mode" = test ]; then
    werror=ON
    packages="$packages clang-14 libclang-rt-14-dev xvfb xauth xdotool x11-utils openbox wmctrl
        dbus python3 python3-dbus python3-gi python3-xlib desktop-file-utils
        libglib2.0-bin shared-mime-info unzip groff-base appstream clang-format-14 clang-tidy-14"
fi

missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing="$missing $package"
done
if [ -n "$missing" ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSORNA_WERROR=$werror
cmake --build build -j2

case "$mode" in
    run) exec build/app/sorna ;;
    test) ctest --test-dir build --output-on-failure -j2 ;;
    *) echo "usage: sh tools/setup.sh run|test" >&2; exit 2 ;;
esac
