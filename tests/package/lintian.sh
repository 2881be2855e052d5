#!/usr/bin/env bash
# Debian's package checker on the package the build_deb test made: any error
# or warning fails. The info and pedantic notes it prints are the accepted
# ones the README lists.
#   lintian.sh DEB
set -euo pipefail
deb=$1
command -v lintian >/dev/null || { echo "SKIP: lintian is not installed (scripts/install-deps.sh)"; exit 77; }
[ -f "$deb" ] || { echo "SKIP: no package at $deb (the package_build test makes it)"; exit 77; }
# Lintian warns when run as root (CI does); that line is noise here.
lintian --display-info --pedantic --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)
