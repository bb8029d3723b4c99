#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo as the validators read them.
set -euo pipefail
dir=$1
desktop-file-validate "$dir"/*.desktop
appstreamcli validate --no-net "$dir"/*.metainfo.xml
