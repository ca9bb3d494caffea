# A Wine that runs 32-bit Windows programs where the kernel runs no 32-bit
# Linux program: one built for WoW64, which runs 32-bit Windows code in a
# 64-bit process. Debian 12's and 13's Wine are not built so, unstable's is:
# it is installed in a root of Debian unstable made by debootstrap and kept
# in the cache. Sourced after common.sh and debian-root.sh.

wow64_root=${TRIANGLE_AREA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/triangle-area}/wine-wow64-root

# Where Wine keeps its 32-bit Windows DLLs: empty in a Wine not built for
# WoW64. Its server is in the folder above, not on the PATH.
wow64_dlls=/usr/lib/x86_64-linux-gnu/wine/i386-windows

# Whether this kernel lets a 64-bit process run 32-bit x86 code, as WoW64
# does: it jumps to the 32-bit code segment and back. A kernel without IA-32
# emulation, or with it turned off (ia32_emulation=0), or a virtual machine
# that cannot switch, refuses the segment.
kernel_runs_32_bit_code() {
  local work status=0
  work=$(mktemp -d)
  cat >"$work/probe.c" <<'PROBE'
int main(void) {
  __asm__ volatile("lea 1f(%%rip), %%rax\n push $0x23\n push %%rax\n lretq\n"
                   ".code32\n1: ljmp $0x33, $2f\n.code64\n2:\n" ::: "rax", "memory");
  return 0;
}
PROBE
  cc -no-pie -o "$work/probe" "$work/probe.c" && { "$work/probe"; } 2>/dev/null || status=1
  rm -rf "$work"
  return $status
}

make_wow64_wine() {
  if [[ ! -e $wow64_root/.made ]]; then
    remove_debian_root "$wow64_root"
    DEBIAN_MIRROR=${WOW64_MIRROR:-${DEBIAN_MIRROR-}} make_debian_root sid "$wow64_root"
    echo "Installing Debian unstable's Wine in $wow64_root"
    in_debian_root "$wow64_root" "set -e
      export DEBIAN_FRONTEND=noninteractive
      apt-get update -q >/dev/null
      apt-get install -y -q --no-install-recommends wine wine64 xvfb xauth locales cmake >/dev/null
      apt-get clean
      sed -i 's/^# *\(\(en_US\|ru_RU\).UTF-8 UTF-8\)/\1/' /etc/locale.gen
      locale-gen >/dev/null"
    as_root touch "$wow64_root/.made"
  fi
  local version
  version=$(as_root chroot "$wow64_root" dpkg-query -W -f='${Version}' wine)
  if ! compgen -G "$wow64_root$wow64_dlls/*.dll" >/dev/null; then
    echo "Debian unstable's Wine $version, in $wow64_root, runs no 32-bit Windows program:" \
      "it was not built for WoW64 (its $wow64_dlls is empty). Wine 10.0~repack-12 was." \
      "Take unstable from a dated copy of the archive that has such a Wine: remove that root" \
      "and run this again with WOW64_MIRROR=URL." >&2
    exit 1
  fi
  echo "Wine $version from Debian unstable, built for WoW64, in $wow64_root"
}

# Runs command $1 as this user in the WoW64 Wine's root, in this folder,
# with this work tree and the build folder mounted at the same places.
in_wow64_wine() {
  root_binds=("$PWD" "$build_dir")
  in_debian_root "$wow64_root" "exec setpriv --reuid=$(id -u) --regid=$(id -g) --clear-groups \
    env HOME=/tmp PATH=\$PATH:${wow64_dlls%/*} bash -c $(printf %q "cd $(printf %q "$PWD") && $1")" \
    WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
  root_binds=()
}
