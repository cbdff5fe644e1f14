#!/usr/bin/env bash
# Runs the file-system tests again as a user who is not root: root may enter every folder and
# write over every mode, so some of those cases can only show as another user. Run as root after
# a build; the tests run from a copy of the test program and its files in a scratch folder that
# the user can reach. Usage: scripts/nonroot.sh [gtest filter]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
filter=${1:-InputFile*:*Save*:*Open*:QtPrinterSurface*}
user=kordelan-test
if [ "$(id -u)" -ne 0 ]; then
    echo "Already not root: the suite itself covers these cases."
    exit 0
fi
id "$user" >/dev/null 2>&1 || useradd --system --create-home --shell /usr/sbin/nologin "$user"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r "$root/build/kordelan_tests" "$root/build/Drawings" "$root/build/Help" "$root/build/Vendrik" \
    "$scratch/"
chown -R "$user:" "$scratch"
chmod 755 "$scratch"
cd "$scratch"
runuser -u "$user" -- env HOME="$scratch" QT_QPA_PLATFORM=offscreen \
    ./kordelan_tests --gtest_filter="$filter" --gtest_brief=1
