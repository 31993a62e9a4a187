# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh and test.sh: installs what is missing on a Debian machine, and builds.
KZ_BUILD_PACKAGES="cmake ninja-build g++ qt6-base-dev libarchive-dev zlib1g-dev fonts-liberation qt6-translations-l10n"
KZ_TEST_PACKAGES="locales libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
    desktop-file-utils appstream man-db dpkg-dev file lintian"

kz_install() { # kz_install PACKAGE...
    local missing=()
    for p in "$@"; do
        dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

kz_build() { # kz_build DIR [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir"
}

kz_locale() { # kz_locale NAME: makes a system locale such as nl_NL.UTF-8 available
    locale -a 2>/dev/null | grep -qix "$(echo "$1" | sed 's/UTF-8/utf8/')" && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo localedef -i "${1%%.*}" -f UTF-8 "$1" 2>/dev/null || echo "Kan de locale $1 niet aanmaken"
}
