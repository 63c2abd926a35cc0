#!/usr/bin/env bash
# Installs what is missing, builds Horalo and its tests, and runs the whole suite.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
horalo_install_missing
horalo_build "$HORALO_ROOT/build" Debug
cd "$HORALO_ROOT/build"
ctest --output-on-failure -j "$(nproc)" "$@"
