# Shared by run.sh and test.sh: the Debian packages Calcora needs, and a configure step that
# runs only once per build folder so that a second run rebuilds nothing.

# libgl-dev: Qt's CMake files ask for OpenGL headers; fonts-dejavu-core: a font that is always
# there. libcurl4-openssl-dev: the update checker's downloads. poppler-utils: the tests read the
# text of printed PDF files with pdftotext. nginx-light: a real web server for the update checker's
# end-to-end test, and with a certificate that openssl makes, an https server. appstream,
# desktop-file-utils: the installed menu entry and metainfo are checked as a software centre
# would read them. libqt6sql6-sqlite: Qt SQL's SQLite driver, which keeps every answer (Qt SQL
# only recommends its drivers, so it is named); qt6-charts-dev: the progress window's chart, whose
# CMake files ask for Qt OpenGL's (libqt6opengl6-dev). libpq-dev: the class database's libpq
# header (the program opens libpq5, which it brings, only when a class database is configured).
BUILD_PACKAGES=(build-essential cmake ninja-build qt6-base-dev qt6-multimedia-dev
    libgl-dev fonts-dejavu-core libcurl4-openssl-dev libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev libpq-dev)
# postgresql-15: the class database's tests and benchmarks run a PostgreSQL server of their own
# (initdb, pg_ctl, and psql from postgresql-client-15, which it brings).
TEST_PACKAGES=(libgtest-dev libgmock-dev poppler-utils nginx-light openssl appstream desktop-file-utils postgresql-15)
BENCH_PACKAGES=(libbenchmark-dev time xvfb postgresql-15)
# libFuzzer comes with clang's runtime.
FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
# The Windows cross-build of the plain core and its tests under Wine: MinGW-w64's compilers
# (the POSIX thread model, which std::thread needs), Wine (wine64 runs 64-bit programs; its
# command is wine), GoogleTest's sources to compile for Windows, and the locale sources from
# which the run makes the UTF-8 locales that set Wine's code page.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest locales)

ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [[ ${#missing[@]} -eq 0 ]] && return 0
    echo "Installing ${missing[*]}" >&2
    local sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

configure() {
    local folder=$1
    shift
    if [[ ! -f "$folder/build.ninja" ]]; then
        cmake -S . -B "$folder" -G Ninja "$@"
    fi
}
