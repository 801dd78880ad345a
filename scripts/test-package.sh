#!/usr/bin/env bash
# Checks the Debian package as a user gets it: lintian and the AppStream validator on the .deb,
# then installs it with apt-get into a fresh Debian 12 root made by debootstrap, starts the
# installed program there under Xvfb as an ordinary user and waits for the launcher window.
# Usage: test-package.sh [DEB] (default: the one scripts/package.sh built). Needs root.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
deb=$(realpath "${1:-$(ls "$top"/build-package/tolvik_*.deb)}")
work=${TOLVIK_TEST_DIR:-$top/build-package/test}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
root=$work/root
"$top/scripts/install-deps.sh" lintian appstream debootstrap imagemagick

echo "== lintian $(basename "$deb")"
lintian --info "$deb"
echo "lintian: no errors"

echo "== appstreamcli validate"
rm -rf "$work/contents"
mkdir -p "$work"
dpkg-deb -x "$deb" "$work/contents"
appstreamcli validate --no-net "$work/contents"/usr/share/metainfo/*.metainfo.xml

echo "== fresh Debian 12 root"
cleanup() {
    [ -n "${program:-}" ] && kill "$program" 2>/dev/null || true
    [ -n "${xserver:-}" ] && kill "$xserver" 2>/dev/null || true
    wait 2>/dev/null || true
    for mount in "$root/dev/pts" "$root/dev" "$root/proc"; do
        mountpoint -q "$mount" && umount "$mount"
    done
    return 0
}
trap cleanup EXIT
rm -rf "$root"
mkdir -p "$work/cache" "$root"
# The downloads are kept between runs; the root itself is made anew each time.
debootstrap --variant=minbase --cache-dir="$work/cache" bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1 \
    || { tail -20 "$work/debootstrap.log"; exit 1; }
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"; }

echo "== apt-get install ./$(basename "$deb")"
cp "$deb" "$root/tmp/"
in_root apt-get update -q >/dev/null
# Without recommended packages, so that the package's own dependencies must suffice.
in_root apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" >"$work/install.log" 2>&1 \
    || { tail -30 "$work/install.log"; exit 1; }
grep -E '^(Setting up|Unpacking) tolvik' "$work/install.log"
in_root dpkg-query -W -f='Depends: ${Depends}\n' tolvik
version=$(in_root tolvik --version)
echo "tolvik --version: $version"
[ "$version" = "Tolvik $(dpkg-deb -f "$deb" Version)" ]

echo "== the launcher under Xvfb"
in_root apt-get install -y -q --no-install-recommends xvfb x11-utils >>"$work/install.log" 2>&1 \
    || { tail -30 "$work/install.log"; exit 1; }
in_root useradd --create-home beekeeper
# The server picks a free display and names it once it accepts connections.
rm -f "$work/display"
chroot "$root" env -i PATH=/usr/bin:/bin Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xserver=$!
for _ in $(seq 40); do
    [ -s "$work/display" ] && break
    sleep 0.5
done
[ -s "$work/display" ] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
display=:$(cat "$work/display")
chroot --userspec=beekeeper:beekeeper "$root" env -i PATH=/usr/bin:/bin HOME=/home/beekeeper DISPLAY="$display" LANG=C.UTF-8 \
    tolvik >"$work/tolvik.log" 2>&1 &
program=$!
for _ in $(seq 60); do
    if window=$(in_root xwininfo -display "$display" -name Tolvik 2>/dev/null); then
        break
    fi
    kill -0 "$program" 2>/dev/null || { echo "tolvik ended early:"; cat "$work/tolvik.log"; exit 1; }
    sleep 0.5
done
[ -n "${window:-}" ] || { echo "no window named Tolvik appeared:"; cat "$work/tolvik.log"; exit 1; }
echo "$window" | grep -E 'Window id|Width|Height|Map State'
echo "$window" | grep -q 'Map State: IsViewable'
# The chroot shares the abstract X socket, so the host grabs the window: the launcher shows when
# much of it is painted in its sky colour.
id=$(echo "$window" | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')
for _ in $(seq 40); do
    import -display "$display" -window "$id" "$work/launcher.png"
    sky=$(convert "$work/launcher.png" -fill black +opaque '#7AD2F8' -fill white -opaque '#7AD2F8' -format '%[fx:mean]' info:)
    awk "BEGIN { exit !($sky > 0.2) }" && break
    sleep 0.5
done
echo "launcher screenshot: $work/launcher.png, sky colour on $sky of it"
awk "BEGIN { exit !($sky > 0.2) }"
ls "$root/home/beekeeper/.local/share/tolvik"
[ -f "$root/home/beekeeper/.local/share/tolvik/Lang/English.lng" ]
echo "test-package: the package installs on Debian 12 and shows the launcher"
