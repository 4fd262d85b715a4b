# Installs the Debian packages that are missing. Sourced by run.sh and test.sh.
# What building and running the program needs:
tuvon_packages=(cmake ninja-build g++ ccache pkg-config qt6-base-dev qt6-translations-l10n
                libasio-dev fonts-liberation2)
# What only the tests add: clang with its sanitizer runtime (sanitizer builds, fuzzing),
# GoogleTest, Google Benchmark (bench/) and poppler (the report tests read PDFs).
tuvon_test_packages=(clang libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev
                     poppler-utils)

# Installs tuvon_packages and any further packages given that are not installed yet.
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
