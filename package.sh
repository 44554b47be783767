#!/usr/bin/env bash
# Builds the Debian package of Vantel: build-deb/vantel_<version>_<arch>.deb,
# installable with `apt install ./build-deb/vantel_….deb`.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
# CPack packs what is built: the program and its files, not the tests.
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-deb --target vantel vantel_packaging_files
(cd build-deb && cpack -G DEB -B "$PWD")
ls "$PWD"/build-deb/vantel_*.deb
