#!/usr/bin/env bash
# The Linux packaging of mogura-cli, as a user meets it: `cmake --install` into a fresh prefix
# and `cpack` into a .deb, each checked for the program (which must run) and its man page.
# Usage: scripts/packaging-test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "packaging: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install failed"; }
[ -x "$work/prefix/bin/mogura-cli" ] || fail "no bin/mogura-cli"
"$work/prefix/bin/mogura-cli" --version | grep -q '^mogura-cli [0-9]' || fail "the installed program does not run"
man_page="$work/prefix/share/man/man1/mogura-cli.1.gz"
gzip -t "$man_page" || fail "the man page is no gzip file"
gzip -dc "$man_page" | grep -q '^\.TH MOGURA-CLI 1' || fail "the man page has no title line"

(cd "$build" && cpack -B "$work/package" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(ls "$work"/package/*.deb)
contents=$(dpkg-deb -c "$deb")
grep -q ' ./usr/bin/mogura-cli$' <<<"$contents" || fail "the package has no /usr/bin/mogura-cli: $contents"
grep -q ' ./usr/share/man/man1/mogura-cli.1.gz$' <<<"$contents" || fail "the package has no man page: $contents"
dpkg-deb -f "$deb" Package | grep -qx mogura-cli || fail "the package is not named mogura-cli"
dpkg-deb -f "$deb" Depends | grep -q libc6 || fail "the package names no libraries it needs"
mkdir "$work/unpacked"
dpkg-deb -x "$deb" "$work/unpacked"
"$work/unpacked/usr/bin/mogura-cli" --version | grep -q '^mogura-cli [0-9]' || fail "the packaged program does not run"
echo "packaging: $(basename "$deb") with /usr/bin/mogura-cli and its man page"
