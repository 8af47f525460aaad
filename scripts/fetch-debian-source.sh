#!/usr/bin/env bash
# Fetches and unpacks the Debian source package PACKAGE=VERSION into DEST, from the main archive of
# the running release as the system's apt sources name it, in whatever file and format apt reads
# them (sources.list, *.list, *.sources). A private apt state is used: the system's own apt
# configuration and package lists stay as they are.
# Usage: fetch-debian-source.sh PACKAGE VERSION DEST
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: $0 PACKAGE VERSION DEST" >&2; exit 2; }
package=$1 version=$2 dest=$3

codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[ -n "$codename" ] || { echo "$0: /etc/os-release names no release codename" >&2; exit 1; }

# apt itself lists every binary index it is configured for, whichever file and format holds it.
# Only the running release's own suite counts: not -updates, -security or other vendors' archives.
mapfile -t entries < <(apt-get indextargets --no-release-info \
    --format '$(TARGET_OF) $(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
    awk -v suite="$codename" '$1 == "deb" && $3 == suite { print $2, $4 }' | sort -u)
if [ ${#entries[@]} -eq 0 ]; then
    echo "$0: no apt source names the archive of \"$codename\" (looked in /etc/apt/sources.list" \
        "and /etc/apt/sources.list.d/); add a line such as" \
        "\"deb http://deb.debian.org/debian $codename main\"" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/orvan2a-source.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/parts" "$work/lists/partial" "$work/cache/archives/partial" "$work/download"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
for entry in "${entries[@]}"; do
    read -r uri component <<<"$entry"
    {
        echo "Types: deb-src"
        echo "URIs: $uri"
        echo "Suites: $codename"
        echo "Components: $component"
        [ -f "$keyring" ] && echo "Signed-By: $keyring"
        echo
    } >>"$work/parts/source.sources"
done

apt_private=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$work/parts"
    -o "Dir::State::Lists=$work/lists" -o "Dir::Cache=$work/cache" -o "APT::Sandbox::User=root")
apt-get "${apt_private[@]}" update -qq >&2
(cd "$work/download" &&
    apt-get "${apt_private[@]}" source --download-only -qq "$package=$version" >&2)
dpkg-source -x "$work"/download/"${package}"_*.dsc "$dest" >&2
