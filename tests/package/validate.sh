#!/usr/bin/env bash
# The freedesktop.org checkers on the desktop entry and the AppStream
# metadata, as software centres and Debian run them.
#   validate.sh desktop FILE | validate.sh metainfo FILE
set -euo pipefail
kind=$1 file=$2
case "$kind" in
    desktop) tool=desktop-file-validate package=desktop-file-utils cmd=(desktop-file-validate "$file") ;;
    metainfo) tool=appstreamcli package=appstream cmd=(appstreamcli validate --no-net "$file") ;;
    *) echo "validate: unknown kind $kind" >&2; exit 2 ;;
esac
command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (apt-get install $package)"; exit 77; }
"${cmd[@]}"
