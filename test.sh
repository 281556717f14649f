#!/bin/sh
# Sets up the machine, builds everything (programs, tests, fuzz targets, benchmarks) and runs
# every test; the GUI tests run under their own Xvfb servers.
set -eu
cd "$(dirname "$0")"
./setup.sh
cmake -S . -B build -G Ninja
cmake --build build
cd build
ctest --output-on-failure -j2 "$@"
