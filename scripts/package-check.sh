#!/usr/bin/env bash
# Builds the release preset into build-release/, makes the Debian package there (cpack -G DEB) and
# tries it: what it holds and depends on, an install through apt-get (its dependencies must be
# Debian's packages), the installed program started to its input window, and its removal.
# It installs into the system (root, or through sudo) and refuses if kordelan is installed already.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
cd "$root"
fail() { echo "package check: $*" >&2; exit 1; }
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

cmake --preset release -DKORDELAN_WERROR="${KORDELAN_WERROR:-OFF}" >/dev/null
cmake --build --preset release -j"$(nproc)"
rm -f build-release/kordelan_*.deb
(cd build-release && cpack -G DEB >/dev/null)
debs=(build-release/kordelan_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single package"
deb=$root/${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-liberation; do
    grep -Eq "(^|, )$p( |,|$)" <<<"$depends" || fail "no dependency on $p: $depends"
done
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/kordelan ./usr/share/kordelan/Drawings/vendrik.gif \
         ./usr/share/kordelan/Drawings/flexure-1.jpg ./usr/share/kordelan/Help/Kordelan-Help.hlp \
         ./usr/share/kordelan/Vendrik/ ./usr/share/applications/kordelan.desktop \
         ./usr/share/icons/hicolor/64x64/apps/kordelan.png; do
    grep -qxF "$f" <<<"$listing" || fail "the package lacks $f"
done
[ -z "$(grep '^./usr/share/kordelan/Vendrik/.' <<<"$listing")" ] || fail "Vendrik/ is not empty"

if dpkg-query -W -f='${Status}' kordelan 2>/dev/null | grep -q "install ok installed"; then
    fail "kordelan is installed already; this check installs and removes its own"
fi
remove() { $sudo_cmd dpkg --purge kordelan >/dev/null || true; }
trap remove EXIT
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends \
    -o DPkg::Lock::Timeout=300 "$deb" >/dev/null
desktop-file-validate /usr/share/applications/kordelan.desktop
"$root/scripts/start-check.sh" /usr/bin/kordelan

# Removed, it leaves nothing behind: the program wrote nothing into its folders.
remove
trap - EXIT
for f in /usr/bin/kordelan /usr/share/kordelan /usr/share/applications/kordelan.desktop; do
    [ ! -e "$f" ] || fail "$f is left after the removal"
done
echo "package check: $(basename "$deb") installs, starts to its input window and is removed"
