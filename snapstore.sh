#!/bin/sh
# Sets up the machine, builds the archiver and starts it. Arguments go to the program.
set -eu
cd "$(dirname "$0")"
./setup.sh
cmake -S . -B build -G Ninja
cmake --build build --target snapstore snapstore-cli
exec build/bin/snapstore "$@"
