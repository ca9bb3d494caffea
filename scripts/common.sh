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

# Where the builds go: build/ unless TRIANGLE_AREA_BUILD_DIR names another
# folder (a release builds afresh in one of its own).
build_dir=$(realpath -m "${TRIANGLE_AREA_BUILD_DIR:-build}")

RUN_PACKAGES=(g++ cmake make dpkg-dev qt6-base-dev libgmp-dev libfast-float-dev fonts-dejavu-core)

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

# apt's package lists, brought up to date. One index that fails to download
# (a mirror in the middle of a sync, a foreign architecture whose lists lag)
# fails the whole update, though the packages wanted may be there all the
# same: try a few times, then go on with the lists there are.
lists_incomplete=0
update_package_lists() {
  local attempt
  for attempt in 1 2 3; do
    if as_root apt-get update -q -o DPkg::Lock::Timeout=900; then return; fi
    if ((attempt < 3)); then
      echo "apt-get update failed; trying again in $((attempt * 15)) s" >&2
      sleep $((attempt * 15))
    fi
  done
  echo "Some package lists could not be updated (see above); going on with those there are." >&2
  lists_incomplete=1
}

# This machine's own architecture: a foreign one's packages (arm64's for a
# cross build, i386's for Wine) may be installed beside its own.
native_architecture=$(dpkg --print-architecture)

# A package is named alone for this machine's architecture, or as
# NAME:ARCH for another's.
installed() {
  local arch=$native_architecture
  [[ $1 != *:* ]] || arch=${1##*:}
  dpkg-query -W -f='${Status} ${Architecture}\n' "$1" 2>/dev/null |
    grep -qE "ok installed ($arch|all)$"
}

install_packages() {
  local missing=() arch package
  for package in "$@"; do
    installed "$package" || missing+=("$package")
  done
  for arch in $(printf '%s\n' "${missing[@]}" | sed -n 's/.*:\(.*\)/\1/p' | sort -u); do
    dpkg --print-foreign-architectures | grep -qx "$arch" || as_root dpkg --add-architecture "$arch"
  done
  if ((${#missing[@]})); then
    echo "Installing ${#missing[@]} missing package(s) and what they need: ${missing[*]}"
    ((${#missing[@]} < 20)) ||
      echo "(with what they need, some hundreds of packages: several minutes on a new machine)"
    update_package_lists
    # Another install under way (a second build beside this one) is waited
    # for, not failed on.
    if ! as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
      -o DPkg::Lock::Timeout=900 "${missing[@]}"; then
      echo "Could not install: ${missing[*]}." >&2
      ((lists_incomplete)) &&
        echo "Some package lists could not be updated either: see apt-get update's errors above." >&2
      exit 1
    fi
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

# A front end's build takes --no-tests (a release's build); run_tests says
# whether to build and run its tests, and werror whether warnings are errors,
# as they are where the tests are built unless TRIANGLE_AREA_WERROR says
# otherwise.
read_test_choice() {
  run_tests=1
  [[ ${1-} != --no-tests ]] || run_tests=0
  werror=${TRIANGLE_AREA_WERROR:-$( ((run_tests)) && echo ON || echo OFF)}
}

# The architecture built for: this machine's own, or another given as
# --arch ARCH (arm64), cross-compiled with the toolchain file named after its
# GNU type and run under qemu-user. Sets arch, cross_packages (what the cross
# build needs beside the native packages' foreign twins), toolchain (CMake's
# arguments) and release_dir, the folder of its package.
read_arch_choice() {
  arch=$native_architecture
  [[ ${1-} != --arch ]] || arch=${2:?give the architecture, as --arch arm64}
  toolchain=()
  cross_packages=()
  release_dir=$build_dir/release
  [[ $arch != "$native_architecture" ]] || return 0
  local type
  install_packages dpkg-dev
  type=$(dpkg-architecture -a "$arch" -q DEB_HOST_GNU_TYPE 2>/dev/null)
  if [[ ! -f cmake/$type.cmake ]]; then
    echo "No toolchain file for $arch (cmake/$type.cmake)." >&2
    exit 2
  fi
  toolchain=(--toolchain "$PWD/cmake/$type.cmake")
  cross_packages=("g++-$type" qemu-user-static)
  release_dir=$build_dir/release-$arch
}
read_arch_choice

# Packages $@ as built for $arch: NAME:ARCH where it is not this machine's.
for_arch() {
  local package
  for package in "$@"; do
    if [[ $arch == "$native_architecture" ]]; then echo "$package"; else echo "$package:$arch"; fi
  done
}

# The compiler's and the linker's flags with which Debian builds its own
# packages for $arch, every hardening feature on: stack protector,
# _FORTIFY_SOURCE, -z relro -z now, stack-clash and control-flow protection
# (branch protection on arm64). Debian 12's dpkg does not give the last two
# yet, though its gcc has them. _FORTIFY_SOURCE is at level 3, which both
# releases' gcc have: at level 2 the compiler knew the size of no buffer this
# program copies into, and checked none.
hardened_flags() {
  local compile link flag extra=(-fstack-clash-protection)
  local -x DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_HOST_ARCH=$arch
  case $arch in
    amd64) extra+=(-fcf-protection) ;;
    arm64) extra+=(-mbranch-protection=standard) ;;
  esac
  compile="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
  link=$(dpkg-buildflags --get LDFLAGS)
  compile=${compile//-D_FORTIFY_SOURCE=2/-D_FORTIFY_SOURCE=3}
  for flag in "${extra[@]}"; do
    [[ " $compile " == *" $flag "* ]] || compile+=" $flag"
  done
  echo "-DCMAKE_CXX_FLAGS=$compile"
  echo "-DCMAKE_EXE_LINKER_FLAGS=$link"
}

# The program as a user runs and installs it, for $arch, in $release_dir.
build_release() {
  local flags
  mapfile -t flags < <(hardened_flags)
  cmake -S . -B "$release_dir" "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DTRIANGLE_AREA_BENCHMARKS=OFF "${flags[@]}"
  cmake --build "$release_dir" -j"$(build_jobs)"
}

# deb-src entries for the archives this machine installs from, as a private
# apt configuration in folder $1: apt-get and apt-cache given
# "${private_apt[@]}" read them, and the system's own sources stay as they
# were. Needs no root.
private_source_lists() {
  local folder=$1 file
  mkdir -p "$folder/sources.list.d" "$folder/lists/partial" "$folder/cache/archives/partial"
  : >"$folder/sources.list"
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    if [[ ! -f $file ]]; then continue; fi
    if [[ $file == *.sources ]]; then
      sed 's/^Types:.*/Types: deb-src/' "$file" >"$folder/sources.list.d/${file##*/}"
    else
      sed -n 's/^deb /deb-src /p' "$file" >>"$folder/sources.list"
    fi
  done
  private_apt=(-o "Dir::Etc::SourceList=$folder/sources.list"
    -o "Dir::Etc::SourceParts=$folder/sources.list.d" -o "Dir::State::Lists=$folder/lists"
    -o "Dir::Cache=$folder/cache" -o "APT::Sandbox::User=$(id -un)")
  # An archive without sources fails its own index alone.
  apt-get "${private_apt[@]}" update -q >"$folder/update.log" 2>&1 ||
    grep -h '^[EW]:' "$folder/update.log" >&2 || true
}

# Debian's source of the GMP the Linux program links against, built once for
# each version and target into $cache/gmp-VERSION-NAME and kept there:
# build_gmp_from_source NAME CONFIGURE-COMMAND... runs the configure command
# in the unpacked source with --prefix added. Sets gmp_prefix.
build_gmp_from_source() {
  local name=$1
  shift
  # GMP's configure builds and runs the programs that write its tables with
  # this machine's own C compiler and C library, whatever the target.
  install_packages libgmp-dev dpkg-dev gcc libc6-dev
  local version cache=${TRIANGLE_AREA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/triangle-area}
  version=$(dpkg-query -W -f='${source:Version}' "libgmp-dev:$native_architecture")
  gmp_prefix=$cache/gmp-${version//[:~+]/_}-$name
  if [[ -f $gmp_prefix/lib/libgmpxx.a ]]; then return; fi
  echo "Building GMP $version for $name from Debian's source into $gmp_prefix:" \
    "about 5 minutes on two cores, once for each version"
  local work
  work=$(mktemp -d)
  (
    cd "$work"
    private_source_lists "$work/apt"
    if ! apt-get "${private_apt[@]}" source -q "gmp=$version" >source.log 2>&1; then
      tail -n 5 source.log >&2
      echo "Could not fetch Debian's source of gmp $version. Is the archive reachable, and is" \
        "libgmp-dev up to date (apt-get install libgmp-dev)?" >&2
      exit 1
    fi
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
