#!/usr/bin/env bash
# Installs the Debian 12 packages Quillmaze needs to build, test, run and package. Safe to run again:
# it calls apt-get only when a package is missing.
set -euo pipefail

packages=(
  cmake ninja-build ccache g++ pkg-config qt6-base-dev qt6-svg-dev libjpeg62-turbo-dev
  libhunspell-dev hunspell-en-us hunspell-en-gb hunspell-es hunspell-it hunspell-fr
  hunspell-de-de hunspell-nl hunspell-sv libmythes-dev mythes-en-us mythes-en-au mythes-de
  mythes-fr mythes-es mythes-it mythes-sv fonts-liberation2 fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libcli11-dev
  clang libclang-rt-14-dev xvfb xauth x11-apps imagemagick libmagickcore-6.q16-6-extra
  ghostscript poppler-utils librsvg2-bin emf2svg libwmf-bin file
  desktop-file-utils appstream shared-mime-info libglib2.0-bin man-db groff-base dpkg-dev lintian
  chromium
)
# The browser tests of the play pages run on node; a node of another source (with its own npm)
# is taken as it is.
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)
top=$(cd "$(dirname "$0")/.." && pwd)

# puppeteer-core, at the versions of the lock file, drives the browser tests; it brings no browser.
install_web_test_modules() {
  if [ ! -d "$top/tests/web/node_modules/puppeteer-core" ]; then
    (cd "$top/tests/web" && npm ci --no-audit --no-fund)
  fi
}

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  install_web_test_modules
  exit 0
fi

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
"${as_root[@]}" apt-get update
# Without --no-install-recommends a thesaurus pulls in a whole office suite.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
install_web_test_modules
