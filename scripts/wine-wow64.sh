# A Wine that runs 32-bit Windows programs where the kernel runs no 32-bit
# Linux program: one built for WoW64, which runs 32-bit Windows code in a
# 64-bit process. Debian 12's and 13's Wine are not built so, unstable's is:
# it is installed in a root of Debian unstable made by debootstrap and kept
# in the cache. Sourced after common.sh and debian-root.sh.

wow64_root=${TRIANGLE_AREA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/triangle-area}/wine-wow64-root

# Where Wine keeps its 32-bit Windows DLLs: empty in a Wine not built for
# WoW64. Its server is in the folder above, not on the PATH.
wow64_dlls=/usr/lib/x86_64-linux-gnu/wine/i386-windows

# Whether the WoW64 Wine runs 32-bit Windows code on this machine: it needs
# the kernel to let a 64-bit process switch to 32-bit code, which a kernel
# without IA-32 emulation, or with it turned off (ia32_emulation=0), or a
# virtual machine that cannot switch, refuses. A 32-bit console program is
# built in folder $1 and run in the prefix WINEPREFIX; wow64_probe_saw says
# what it did, and $1/wow64-probe.log holds what Wine said.
wow64_runs_32_bit_code() {
  local folder=$1 status=0 printed
  local compiler=i686-w64-mingw32-gcc exe=$folder/wow64-probe.exe log=$folder/wow64-probe.log
  printf '%s\n' '#include <stdio.h>' 'int main(void) {' \
    '  printf("%u-bit code ran\n", (unsigned)(8 * sizeof(void *)));' '  return 32;' '}' \
    >"$folder/wow64-probe.c"
  $compiler -o "$exe" "$folder/wow64-probe.c"
  in_wow64_wine "timeout 300 wine $(printf %q "$exe"); status=\$?; wineserver -w; exit \$status" \
    >"$log" 2>&1 || status=$?
  printed=$(tr -d '\r' <"$log" | grep -m 1 'code ran' || true)
  local what="a 32-bit Windows console program built with $compiler, run by"
  what+=" Debian unstable's Wine $wow64_version in WoW64 mode,"
  if ((status == 32)) && [[ $printed == '32-bit code ran' ]]; then
    wow64_probe_saw="$what printed \"$printed\" and exited with 32, as it should"
    return 0
  fi
  if ((status == 124)); then
    what+=" did not end within 300 s"
  elif ((status > 128)); then
    what+=" was killed by SIG$(kill -l $((status - 128))) (exit status $status)"
  else
    what+=" exited with status $status, not 32"
  fi
  [[ -n $printed ]] && printed="\"$printed\"" || printed=nothing
  wow64_probe_saw="$what and printed $printed (Wine's words are in $log)"
  return 1
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
  wow64_version=$(as_root chroot "$wow64_root" dpkg-query -W -f='${Version}' wine)
  if ! compgen -G "$wow64_root$wow64_dlls/*.dll" >/dev/null; then
    echo "Debian unstable's Wine $wow64_version, in $wow64_root, runs no 32-bit Windows program:" \
      "it was not built for WoW64 (its $wow64_dlls is empty). Wine 10.0~repack-12 was." \
      "Take unstable from a dated copy of the archive that has such a Wine: remove that root" \
      "and run this again with WOW64_MIRROR=URL." >&2
    exit 1
  fi
  echo "Wine $wow64_version from Debian unstable, built for WoW64, in $wow64_root"
}

# Runs command $1 as this user in the WoW64 Wine's root, in this folder,
# with this work tree and the build folder mounted at the same places.
in_wow64_wine() {
  local status
  root_binds=("$PWD" "$build_dir")
  in_debian_root "$wow64_root" "exec setpriv --reuid=$(id -u) --regid=$(id -g) --clear-groups \
    env HOME=/tmp PATH=\$PATH:${wow64_dlls%/*} bash -c $(printf %q "cd $(printf %q "$PWD") && $1")" \
    WINEPREFIX WINEDEBUG WINEDLLOVERRIDES || status=$?
  root_binds=()
  return "${status-0}"
}
