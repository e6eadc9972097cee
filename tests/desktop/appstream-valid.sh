#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates the AppStream record: no error and no warning, except one. Abacolo has no web site, and a
# homepage that does not exist would send people nowhere, so the record names none and the validator's
# url-homepage-missing warning (AppStream 1.0, Debian 13) is the only one let through.
# Usage: appstream-valid.sh APPSTREAMCLI METAINFO
out=$("$1" validate --no-net "$2" 2>&1) && exit 0
printf '%s\n' "$out"
findings=$(printf '%s\n' "$out" | grep -E '^[EW]:')
[ "$findings" = "W: it.abacolo.Abacolo:~: url-homepage-missing" ]
