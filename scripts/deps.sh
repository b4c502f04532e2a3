#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# when they are missing (as root directly, otherwise through sudo).
# Usage: scripts/deps.sh [run|web]   ("run": only what building and
# starting the program needs, as scripts/run.sh asks; "web": only what the
# WebAssembly build, its Node tests and its browser tests need, as
# scripts/web.sh asks, with the browser tests' npm package)
set -euo pipefail
# Configuring the project looks for GoogleTest, Google Benchmark and
# liberfa, so they belong to the small set too (they are small).
packages=(cmake make g++ qt6-base-dev libqt6svg6 qt6-translations-l10n
          libgtest-dev libbenchmark-dev liberfa-dev)
if [ "${1:-}" = web ]; then
  # emscripten brings its clang, Node and the JavaScript parser it links
  # with; its system libraries come built. The browser tests drive Debian's
  # chromium from Node; the site is served by Python's own server.
  packages=(cmake make emscripten chromium nodejs python3)
elif [ "${1:-}" != run ]; then
  # Offscreen Qt tests, the clock test's time zones, the sanitizer and
  # fuzzing build (clang), clang-tidy, the compiler cache and a faster
  # linker, the package and its checks.
  packages+=(fonts-dejavu-core tzdata clang libclang-rt-14-dev clang-tidy ccache lld
             dpkg-dev lintian desktop-file-utils appstream librsvg2-bin groff-base)
fi
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi
if [ "${1:-}" = web ]; then
  # npm comes with some builds of nodejs; Debian's own otherwise.
  if ! command -v npm > /dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y npm
  fi
  # The browser tests' driver, playwright-core, at the version of the lock
  # file (package.json at the top of the checkout); it uses the installed
  # chromium and downloads no browser.
  top="$(dirname "$0")/.."
  if [ ! -d "$top/node_modules/playwright-core" ] ||
     [ "$top/package-lock.json" -nt "$top/node_modules/.package-lock.json" ]; then
    echo "Installing the browser tests' driver (npm ci)"
    (cd "$top" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund)
  fi
fi
