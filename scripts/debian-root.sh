# A root of another Debian release, made by debootstrap from the archives
# this machine installs from, for scripts/check-fresh-machine and for
# building the package on Debian 12. Sourced after common.sh. Making and
# entering a root needs root.

# The releases the program is built and tested on, oldest first.
DEBIAN_RELEASES=(bookworm trixie)

own_release() { sed -n 's/^VERSION_CODENAME=//p' /etc/os-release; }

# "deb URI SUITE COMPONENT" for release $1 and those of its security and
# updates archives that a release of its kind ($2: stable, the default,
# testing or unstable) has: unstable has neither, testing no updates. They
# are this machine's own Debian archives with its release's name changed (a
# company's or a local mirror, say), or DEBIAN_MIRROR and, where set,
# DEBIAN_SECURITY_MIRROR.
debian_archives() {
  local release=$1 kind=${2:-stable} own
  {
    if [[ -n ${DEBIAN_MIRROR-} ]]; then
      echo "deb $DEBIAN_MIRROR $release main"
      echo "deb $DEBIAN_MIRROR $release-updates main"
      [[ -z ${DEBIAN_SECURITY_MIRROR-} ]] || echo "deb $DEBIAN_SECURITY_MIRROR $release-security main"
    else
      own=$(own_release)
      [[ -z $own ]] ||
        apt-get indextargets --format 'deb $(REPO_URI) $(RELEASE) $(COMPONENT)' \
          'Identifier: Packages' 'Origin: Debian' | grep -E " $own(-updates|-security)? " |
        sed "s/ $own/ $release/" | sort -u
    fi
  } | awk -v kind="$kind" '$3 ~ /-updates$/ && kind ~ /^(testing|unstable)$/ { next }
    $3 ~ /-security$/ && kind == "unstable" { next } { print }'
}

# Lets this machine run programs built for architecture $1 under qemu-user:
# binfmt_misc, which a container may not have mounted, hands them to qemu.
# Its handler is opened once, here, so it runs inside a root as well.
enable_emulation() {
  local arch=$1 name
  [[ $arch != "$(dpkg --print-architecture)" ]] || return 0
  install_packages qemu-user-static dpkg-dev
  name=$(dpkg-architecture -a "$arch" -q DEB_HOST_GNU_CPU 2>/dev/null)
  [[ -e /proc/sys/fs/binfmt_misc/register ]] ||
    as_root mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  [[ -e /proc/sys/fs/binfmt_misc/qemu-$name ]] ||
    as_root tee /proc/sys/fs/binfmt_misc/register </usr/lib/binfmt.d/qemu-"$name".conf >/dev/null
}

# Makes a root of release $1 in folder $2, which must not exist yet, for
# architecture $3 (this machine's own unless given; another runs under
# qemu-user).
make_debian_root() {
  local release=$1 root=$2 arch=${3:-$(dpkg --print-architecture)} archives mirror
  archives=$(debian_archives "$release")
  mirror=$(awk '$3 == release { print $2; exit }' release="$release" <<<"$archives")
  if [[ -z $mirror ]]; then
    echo "This machine's apt sources name no Debian archive to take $release from: give one" \
      "as DEBIAN_MIRROR=URL (and DEBIAN_SECURITY_MIRROR=URL)." >&2
    exit 2
  fi
  if [[ -e $root ]]; then
    echo "$root exists already; give a new folder" >&2
    exit 2
  fi
  install_packages debootstrap debian-archive-keyring
  enable_emulation "$arch"
  local started=$SECONDS
  echo "Making a Debian $release $arch root in $root from $mirror"
  as_root mkdir -p "$root"
  as_root debootstrap --variant=minbase --arch="$arch" "$release" "$root" "$mirror" \
    >"$root.debootstrap.log" 2>&1 ||
    { tail -n 20 "$root.debootstrap.log"; exit 1; }
  echo "Debian $release root made in $((SECONDS - started)) s"
  # The release as installed today, with its security and point-release
  # updates (Firefox ESR comes through them) where it has them: its kind is
  # in the Release file debootstrap fetched.
  local kind
  kind=$(awk '/^Suite: / { print $2; exit }' "$root"/var/lib/apt/lists/*_dists_"${release}"_*Release)
  debian_archives "$release" "$kind" | as_root tee "$root/etc/apt/sources.list" >/dev/null
  # A mirror may serve a snapshot whose Release files are past their date.
  echo 'Acquire::Check-Valid-Until "false";' | as_root tee "$root/etc/apt/apt.conf.d/99snapshot" >/dev/null
  as_root cp /etc/resolv.conf "$root/etc/resolv.conf"
  # This machine's own certificate authorities, which a network that
  # inspects https (as a company's may) needs trusted: ca-certificates takes
  # them in when it is installed.
  if compgen -G '/usr/local/share/ca-certificates/*.crt' >/dev/null; then
    as_root mkdir -p "$root/usr/local/share/ca-certificates"
    as_root cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
  fi
}

# Runs command $2 with bash in root $1, as root, in a clean environment but
# for the variables named after it; the root's /proc, /sys, /dev and a /tmp
# of its own are mounted while it runs, and so is each folder of this
# machine's that root_binds names, at the same place.
root_binds=()
in_debian_root() {
  local root=$1 command=$2 variable
  local environment=(HOME=/root TERM="${TERM:-dumb}"
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin)
  for variable in "${@:3}"; do
    [[ -z ${!variable+set} ]] || environment+=("$variable=${!variable}")
  done
  root_mounts=()
  trap unmount_root EXIT
  mount_in_root "$root" proc /proc -t proc
  mount_in_root "$root" sysfs /sys -t sysfs
  mount_in_root "$root" /dev /dev --bind
  mount_in_root "$root" devpts /dev/pts -t devpts
  mount_in_root "$root" tmpfs /dev/shm -t tmpfs
  mount_in_root "$root" tmpfs /tmp -t tmpfs
  for variable in "${root_binds[@]}"; do
    mount_in_root "$root" "$variable" "$variable" --bind
  done
  local status=0
  as_root chroot "$root" /usr/bin/env -i "${environment[@]}" bash -c "$command" || status=$?
  unmount_root
  trap - EXIT
  return $status
}

mount_in_root() {
  as_root mkdir -p "$1$3"
  as_root mount "${@:4}" "$2" "$1$3"
  root_mounts=("$1$3" "${root_mounts[@]}")
}

unmount_root() {
  local place
  for place in "${root_mounts[@]}"; do as_root umount -l "$place" || true; done
  root_mounts=()
}

# Removes root $1, unmounting first whatever a run cut short left mounted in
# it: a folder of this machine's mounted there is not the root's to remove.
remove_debian_root() {
  local root=$1 place
  [[ -e $root ]] || return 0
  root=$(realpath "$root")
  while read -r place; do
    as_root umount -l "$place"
  done < <(awk -v root="$root/" 'index($2 "/", root) == 1 { print $2 }' /proc/mounts | sort -r)
  as_root rm -rf --one-file-system "$root"
}

# This work tree's files, committed or not, but for what git ignores, copied
# into folder $2 of root $1.
copy_work_tree() {
  as_root mkdir -p "$1$2"
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -coz --exclude-standard | tar --null -T - -cf -
  else
    tar --exclude=./build --exclude=./dist -cf - .
  fi | as_root tar -xf - -C "$1$2"
}
