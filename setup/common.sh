# Shared by run.sh and test.sh: installs what is missing, then configures and builds.
set -euo pipefail

HORALO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
HORALO_PACKAGES=(
    build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev libfuzzer-14-dev
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-documentation-tools qt6-qpa-plugins
    libgl-dev libjpeg62-turbo-dev libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth poppler-utils fonts-dejavu-core fonts-urw-base35 qt6-translations-l10n
    python3-icalendar python3-html5lib
    librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian
)

horalo_as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

horalo_install_missing() {
    local missing=()
    for p in "${HORALO_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    horalo_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    horalo_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

# horalo_build DIR TYPE [extra cmake arguments...]
horalo_build() {
    local dir=$1 type=$2
    shift 2
    local werror=OFF
    [ "${CI:-}" = "true" ] && werror=ON
    cmake -S "$HORALO_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" -DHORALO_WERROR=$werror "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}
