# Shared by the set-up scripts: what the program needs to build and run.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Building never needs root, so a build folder another user left (root's,
# say) is the one thing in the way: say so rather than let CMake fail.
if unwritable=$(find build -maxdepth 2 ! -writable -print -quit 2>/dev/null) && [[ -n $unwritable ]]; then
  echo "$unwritable belongs to $(stat -c %U "$unwritable"), not to you: remove build/ first" \
    "(sudo rm -rf build), then run this again." >&2
  exit 1
fi

RUN_PACKAGES=(g++ cmake make qt6-base-dev libgmp-dev libfast-float-dev fonts-dejavu-core)

# Installing needs root; building never does. A user runs the installs
# through sudo, or is told what to run first.
as_root() {
  if ((EUID == 0)); then
    "$@"
  elif command -v sudo >/dev/null; then
    sudo "$@"
  else
    echo "This step needs root: run it as root, or install sudo: $*" >&2
    exit 1
  fi
}

install_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" ||
      missing+=("$package")
  done
  if ((${#missing[@]})); then
    as_root apt-get update -q
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
}

# ru_RU.UTF-8, whose decimal separator is a comma, for the tests.
generate_russian_locale() {
  install_packages locales
  if ! locale -a | grep -qi '^ru_RU\.utf-\?8$'; then
    as_root sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen ||
      echo 'ru_RU.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    as_root locale-gen
  fi
}

build_jobs() { nproc 2>/dev/null || echo 2; }

# The program as a user runs and installs it, in build/release.
build_release() {
  cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DTRIANGLE_AREA_BENCHMARKS=OFF
  cmake --build build/release -j"$(build_jobs)"
}

# deb-src entries for the Debian archive this machine already uses.
enable_debian_sources() {
  if apt-cache showsrc gmp 2>/dev/null | grep -q '^Package: gmp'; then return; fi
  local sources=/etc/apt/sources.list.d/debian.sources
  if [[ -f $sources ]]; then
    sed 's/^Types: deb$/Types: deb-src/' "$sources" |
      as_root tee /etc/apt/sources.list.d/triangle-area-src.sources >/dev/null
  else
    grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
      as_root tee /etc/apt/sources.list.d/triangle-area-src.list >/dev/null
  fi
  as_root apt-get update -q
}

# Debian's GMP source, built once for each version and target into
# $cache/gmp-VERSION-NAME and kept there: build_gmp_from_source NAME
# CONFIGURE-COMMAND... runs the configure command in the unpacked source with
# --prefix added. Sets gmp_prefix.
build_gmp_from_source() {
  local name=$1
  shift
  enable_debian_sources
  local version cache=${TRIANGLE_AREA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/triangle-area}
  version=$(apt-cache showsrc gmp | sed -n 's/^Version: //p' | sort -V | tail -n 1)
  gmp_prefix=$cache/gmp-${version//[:~+]/_}-$name
  if [[ -f $gmp_prefix/lib/libgmpxx.a ]]; then return; fi
  local work
  work=$(mktemp -d)
  (
    cd "$work"
    apt-get source -q "gmp=$version" >/dev/null 2>&1
    cd gmp-*/
    # Debian's source leaves the manual out and regenerates the build files
    # without it; a stand-in for its folder spares that.
    mkdir -p doc
    printf 'all install install-data install-exec uninstall clean distclean check:\n' >doc/Makefile.in
    "$@" --prefix="$gmp_prefix" >configure.log 2>&1 || { tail -n 30 configure.log; exit 1; }
    make -j"$(build_jobs)" >make.log 2>&1 || { tail -n 30 make.log; exit 1; }
    make install >/dev/null
  )
  rm -rf "$work"
  echo "GMP $version for $name built into $gmp_prefix"
}
