#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Debian's own checks of a built package, failing on any error or warning: lintian on the package,
# desktop-file-validate on its menu entry, appstreamcli on its software-centre metadata; and the
# package, its changelog and its metadata naming the same version, and the metadata's screenshots
# being the manual's pictures.
# Usage: packaging/check.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "$1")
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
cd "$tree"
failed=0
fail() {
  echo "$deb: $*" >&2
  failed=1
}

# Informational tags are shown but do not fail; those the package keeps on purpose are overridden
# with the reason in packaging/lintian-overrides.
lintian --fail-on error,warning --display-info --pedantic "$deb" ||
  fail "lintian found errors or warnings"

for entry in usr/share/applications/*.desktop; do
  # Hints count too: the one about two main categories means a menu shows the program twice.
  report=$(desktop-file-validate "$entry" 2>&1) && [ -z "$report" ] || fail "$report"
done

for metainfo in usr/share/metainfo/*.xml; do
  appstreamcli validate --no-net --strict "$metainfo" >/dev/null ||
    fail "$(appstreamcli validate --no-net --strict "$metainfo" 2>&1)"
done

version=$(dpkg-deb -f "$deb" Version)
changelog=$(zcat usr/share/doc/kobaru/changelog.gz | dpkg-parsechangelog -l - -S Version)
release=$(grep -o -m 1 '<release version="[^"]*"' usr/share/metainfo/*.xml | cut -d'"' -f2)
[ "$changelog" = "$version" ] || fail "the changelog's newest entry is $changelog, not $version"
[ "$release" = "$version" ] || fail "the metainfo's newest release is $release, not $version"

# The screenshots are the manual's own pictures, published under the release's version.
for shot in $(sed -n 's|.*<image>\(.*\)</image>.*|\1|p' usr/share/metainfo/*.xml); do
  [ -f "usr/lib/kobaru/help/images/${shot##*/}" ] ||
    fail "screenshot $shot is none of the manual's pictures"
  [[ "$shot" == */"$version"/* ]] || fail "screenshot $shot is not under the version $version"
done

# The hall's server and the site it serves by default.
[ -x usr/bin/kobaru-hall ] || fail "no usr/bin/kobaru-hall"
[ -f usr/share/kobaru/site/trainer.html ] && [ -f usr/share/kobaru/site/kobaru.wasm ] ||
  fail "no site with the hall's pages in usr/share/kobaru/site"
[ -f usr/share/man/man1/kobaru-hall.1.gz ] || fail "no manual page for kobaru-hall"

[ $failed -eq 0 ] && echo "$deb: lintian, desktop-file-validate and appstreamcli validate are clean"
exit $failed
