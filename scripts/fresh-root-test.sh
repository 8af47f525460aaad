#!/usr/bin/env bash
# Runs the README's two commands as a newcomer would, in a fresh Debian root of RELEASE (bookworm,
# trixie, ...) made by debootstrap from the archive this machine's apt sources name: a clean clone
# of this repository's HEAD, nothing of the host's but its DNS settings. The demo runs without a
# display (it reads the simulated unit with the command-line tool); the test script's arguments
# follow the release (--quick for the normal build's tests only). Needs root.
# Usage: fresh-root-test.sh RELEASE [TEST_ARGUMENTS...]
# The root stays in $FRESH_ROOT_DIR (default /var/tmp/orvan2a-fresh-RELEASE) for a later look;
# it is made anew on every run.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 RELEASE [TEST_ARGUMENTS...]" >&2; exit 2; }
release=$1
shift
repo=$(cd "$(dirname "$0")/.." && pwd)
root=${FRESH_ROOT_DIR:-/var/tmp/orvan2a-fresh-$release}
[ "$(id -u)" -eq 0 ] || { echo "$0: needs root (debootstrap, chroot)" >&2; exit 1; }
command -v debootstrap >/dev/null ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap

# The Debian archive of this machine's own apt sources, in whichever file and format they stand.
host_release=$(. /etc/os-release && echo "$VERSION_CODENAME")
mirror=$(apt-get indextargets --no-release-info --format '$(TARGET_OF) $(REPO_URI) $(RELEASE)' \
    'Created-By: Packages' | awk -v suite="$host_release" '$1 == "deb" && $3 == suite { print $2; exit }')
[ -n "$mirror" ] || { echo "$0: no apt source names the archive of $host_release" >&2; exit 1; }

mounts=()
cleanup() {
    local index
    for ((index = ${#mounts[@]} - 1; index >= 0; index--)); do
        umount -l "${mounts[index]}" 2>/dev/null || true
    done
}
trap cleanup EXIT
mount_in_root() {  # mount_in_root TARGET MOUNT-ARGUMENTS...
    mkdir -p "$root/$1"
    mount "${@:2}" "$root/$1"
    mounts+=("$root/$1")
}

rm -rf "$root"
echo "== debootstrap $release from $mirror into $root"
debootstrap --variant=minbase --include=ca-certificates,git,sudo "$release" "$root" "$mirror" \
    >"$root.debootstrap.log" 2>&1 || { tail -n 30 "$root.debootstrap.log"; exit 1; }
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount_in_root proc -t proc proc
mount_in_root sys -t sysfs sysfs
mount_in_root dev --bind /dev
mount_in_root dev/pts --bind /dev/pts
mount_in_root tmp -t tmpfs tmpfs
git clone -q --no-local "$repo" "$root/root/orvan2a"

in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
        bash -c "cd /root/orvan2a && $1"
}
echo "== $release: scripts/demo.sh"
start=$SECONDS
in_root scripts/demo.sh
echo "== $release: demo passed in $((SECONDS - start)) s"
echo "== $release: scripts/test.sh $*"
start=$SECONDS
in_root "scripts/test.sh $*"
echo "== $release: scripts/test.sh $* passed in $((SECONDS - start)) s"
