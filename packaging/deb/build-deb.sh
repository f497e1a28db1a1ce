#!/usr/bin/env bash
# Lays the Debian package glint_VERSION_ARCH.deb into OUT_DIR from the Linux build in BUILD_DIR,
# then checks it with lintian (no error allowed) and the AppStream metainfo with appstreamcli.
#   /usr/lib/glint/        glintmaker, pb.sys, sp.sys, pb.htm, pic/ (as cmake --install lays them),
#                          and windows/pb.sys, windows/sp.sys from the Windows build, which the
#                          authoring program puts into a show's single file for Windows
#   /usr/bin/glintmaker    the launcher that runs the program in the user's own folder
#   the menu entry, the icon in the hicolor theme, the AppStream metainfo, the manual page in
#   English and in Chinese (man/zh_CN), the copyright file and the changelog.
# Depends: the libraries the programs link against (dpkg-shlibdeps) and the packages holding what
# they load at run time (runtime-needs), asked of this machine's dpkg and apt, so that a build on
# any Debian release depends on that release's packages.
# usage: build-deb.sh BUILD_DIR OUT_DIR WINDOWS_BUILD_DIR
set -euo pipefail
build=${1:?usage: build-deb.sh BUILD_DIR OUT_DIR WINDOWS_BUILD_DIR}
out=${2:?usage: build-deb.sh BUILD_DIR OUT_DIR WINDOWS_BUILD_DIR}
winbuild=${3:?usage: build-deb.sh BUILD_DIR OUT_DIR WINDOWS_BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
fail() { echo "build-deb.sh: $*" >&2; exit 1; }

[[ -f $build/glint-version.txt ]] || fail "$build is not a configured build folder"
version=$(<"$build/glint-version.txt")
arch=$(dpkg --print-architecture)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
lib=$root/usr/lib/glint

# The programs and their files, as in dist/ but for the package folder, which each user gets in
# their own folder (the launcher makes it).
cmake --install "$build" --prefix "$lib" >/dev/null
rmdir "$lib/制作好的屏幕程序"
for program in glintmaker pb.sys sp.sys; do
  [[ -f $lib/$program ]] || fail "the build did not install $program"
  strip --remove-section=.comment --remove-section=.note "$lib/$program"
done
install -D -m 644 "$winbuild/player/glintsaver.exe" "$lib/windows/pb.sys"
install -D -m 644 "$winbuild/installer/glint_setup.exe" "$lib/windows/sp.sys"

install -D -m 755 "$here/glintmaker" "$root/usr/bin/glintmaker"
install -D -m 644 "$here/org.example.glint.desktop" \
  "$root/usr/share/applications/org.example.glint.desktop"
for icon in "$source"/assets/maker/generated/icons/glint-*.png; do
  side=${icon##*-} side=${side%.png}
  install -D -m 644 "$icon" "$root/usr/share/icons/hicolor/${side}x${side}/apps/org.example.glint.png"
done
# The release's date: that of the last commit, so that a package built again is the same.
stamp=$(git -C "$source" log -1 --format=%ct 2>/dev/null || date +%s)
fill_in() {
  sed -e "s/@VERSION@/$version/g" -e "s/@DATE@/$(date -u -d "@$stamp" +%F)/g" \
    -e "s/@CHANGELOG_DATE@/$(LC_ALL=C date -u -R -d "@$stamp")/g" "$1"
}
mkdir -p "$root/usr/share/metainfo" "$root/usr/share/man/man1" "$root/usr/share/man/zh_CN/man1" \
  "$root/usr/share/doc/glint"
fill_in "$here/org.example.glint.metainfo.xml.in" \
  >"$root/usr/share/metainfo/org.example.glint.metainfo.xml"
gzip -9n <"$here/glintmaker.1" >"$root/usr/share/man/man1/glintmaker.1.gz"
gzip -9n <"$here/glintmaker.zh_CN.1" >"$root/usr/share/man/zh_CN/man1/glintmaker.1.gz"
install -m 644 "$here/copyright" "$root/usr/share/doc/glint/copyright"
install -D -m 644 "$here/lintian-overrides" "$root/usr/share/lintian/overrides/glint"
fill_in "$here/changelog.in" | gzip -9n >"$root/usr/share/doc/glint/changelog.gz"
find "$root" -type d -exec chmod 755 {} +
find "$root" -type f -exec chmod 644 {} +
chmod 755 "$root/usr/bin/glintmaker" "$lib/glintmaker" "$lib/pb.sys" "$lib/sp.sys"

# Depends: first the linked libraries. dpkg-shlibdeps reads the package's name from a control
# file in debian/.
mkdir -p "$work/debian"
printf 'Source: glint\n\nPackage: glint\nArchitecture: any\n' >"$work/debian/control"
linked=$(cd "$work" && dpkg-shlibdeps -O -xglint -e"$lib/glintmaker" -e"$lib/pb.sys" \
  -e"$lib/sp.sys" 2>"$work/shlibdeps.log") || { cat "$work/shlibdeps.log" >&2; fail "dpkg-shlibdeps failed"; }
depends=${linked#shlibs:Depends=}
# Then what they load at run time.
have() { [[ ", $depends," == *", $1"[\ ,]* ]]; }
owner_of() {
  local owner
  owner=$(dpkg-query -S "$1" 2>/dev/null | grep -v '^diversion' | head -n 1) ||
    fail "no package holds $1 on this machine"
  owner=${owner%%:*}
  echo "${owner%%,*}"
}
while read -r kind what; do
  packages=()
  case $kind in
    ''|'#'*) continue ;;
    file)
      [[ $what == /* ]] || what=/usr/lib/$multiarch/$what
      files=$(compgen -G "$what") || fail "$what is not installed on this machine"
      while read -r file; do packages+=("$(owner_of "$file")"); done <<<"$files"
      ;;
    package-if-known)
      apt-cache show --no-all-versions "$what" >/dev/null 2>&1 && packages=("$what")
      ;;
    *) fail "runtime-needs: unknown line \"$kind $what\"" ;;
  esac
  for package in "${packages[@]}"; do have "$package" || depends="$depends, $package"; done
done <"$here/runtime-needs"

mkdir -p "$root/DEBIAN"
installed_size=$(du -s -k "$root" | cut -f1)
sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" -e "s/@INSTALLED_SIZE@/$installed_size/" \
  -e "s/@DEPENDS@/$depends/" "$here/control.in" >"$root/DEBIAN/control"
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

mkdir -p "$out"
deb=$out/glint_${version}_${arch}.deb
dpkg-deb --root-owner-group -Zxz --build "$root" "$deb" >/dev/null
echo "Depends: $depends"

appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.glint.metainfo.xml" >"$work/appstream.log" ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli does not accept the metainfo"; }
desktop-file-validate "$root/usr/share/applications/org.example.glint.desktop" ||
  fail "desktop-file-validate does not accept the menu entry"
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian finds errors in $deb"
echo "$deb is laid"
