# Installs the Debian packages the build needs when any is missing. Sourced by run.sh and test.sh.
tuvon_packages=(cmake ninja-build g++ clang libclang-rt-14-dev ccache pkg-config
                qt6-base-dev qt6-translations-l10n libasio-dev libgtest-dev libgmock-dev libbenchmark-dev
                fonts-liberation2 poppler-utils)

tuvon_install_missing() {
    local missing=()
    for p in "${tuvon_packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}
