#!/usr/bin/env bash
# Installs what is missing, builds Horalo (Release, with Debian's hardening flags) and makes
# its Debian package in build-paquet/. Install it with: apt-get install ./build-paquet/horalo_*.deb
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
horalo_install_missing
dir="$HORALO_ROOT/build-paquet"
# The source folder's path is left out of the debugging data, so it never reaches the package.
horalo_build "$dir" Release -DBUILD_TESTING=OFF -DHORALO_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS) -ffile-prefix-map=$HORALO_ROOT=." \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
rm -f "$dir"/horalo_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
ls "$dir"/horalo_*.deb
