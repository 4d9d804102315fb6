#!/usr/bin/env bash
# Installs what is missing, builds, and prepares a working copy of the demo workspace.
# Sourced by run.sh and test.sh; BUILD_DIR and WORK_DIR may be set by the caller.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
WORK_DIR="${WORK_DIR:-$ROOT/run/workspace}"

install_packages() {
    local missing=()
    while read -r pkg; do
        [ -n "$pkg" ] || continue
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done <"$ROOT/.ci/packages.txt"
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" ${CMAKE_EXTRA:-} >/dev/null
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}

# The shipped demo stays untouched: the program works on a copy.
prepare_workspace() {
    if [ ! -d "$WORK_DIR" ]; then
        mkdir -p "$(dirname "$WORK_DIR")"
        cp -r "$ROOT/demo" "$WORK_DIR"
        rm -f "$WORK_DIR/README.md" "$WORK_DIR/.gitattributes"
        echo "Demo workspace copied to $WORK_DIR"
    fi
}

install_packages
build
prepare_workspace
