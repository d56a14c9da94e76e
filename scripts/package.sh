#!/usr/bin/env bash
# Installs what is missing, builds Quillmaze 98 in Release into build-package/ with Debian's
# hardening flags, makes the Debian package with CPack and checks it with lintian. The last line
# printed is the path of the package; install it with  sudo apt install ./build-package/package/quillmaze_*.deb
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-package"

"$top/scripts/install-deps.sh"

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
  cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQM_BUILD_TESTS=OFF \
    -DQM_BUILD_BENCHMARKS=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build" -j "${QM_JOBS:-$(nproc)}"

rm -rf "$build/package"
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/package/quillmaze_*.deb)
# The package's checks; an error fails the script.
lintian --fail-on error "$package" >&2
echo "$package"
