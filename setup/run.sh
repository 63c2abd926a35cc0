#!/usr/bin/env bash
# Installs what is missing, builds Horalo (Release) and starts it, on the demo collège
# when no file is named.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
horalo_install_missing
horalo_build "$HORALO_ROOT/build-release" Release -DBUILD_TESTING=OFF -DHORALO_BENCH=OFF
horalo="$HORALO_ROOT/build-release/ui/main/horalo"
if [ ! -x "$horalo" ]; then
    echo "Built:"
    find "$HORALO_ROOT/build-release" -maxdepth 3 -type f \( -name '*.a' -o -perm -u+x \) \
        ! -name '*.sh' ! -path '*CMakeFiles*' | sed "s|$HORALO_ROOT/||" | sort
    exit 0
fi
[ $# -eq 0 ] && set -- "$HORALO_ROOT/examples/college.edt"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: run Horalo under a virtual one, for example:"
    echo "  xvfb-run -a -s '-screen 0 1280x1024x24' $horalo $*"
    exit 1
fi
exec "$horalo" "$@"
