# Sourced by installer_smoke.sh once no show is installed: "屏幕保护-Windows.exe" (sp.sys with the
# sample show appended by glint_make_show_file.exe) in a folder with a Chinese name installs with
# "/S" without a word: lists in GBK, the rest as stored, shortcut, screensaver, list entry, the
# plain installer as uninstall.exe, no staging folder left. A copy cut short, one with a byte
# changed and one listing a name GBK lacks end with status 1, saying why, and install nothing.
maker="$winbuild/tests/glint_make_show_file.exe" show="$work/show" downloads="$work/下载的文件"
mkdir -p "$show" "$downloads"
QT_QPA_PLATFORM=offscreen "$linuxbuild/assets/sample/glint_make_sample" "$show" >/dev/null &&
  cp "$dist/pb.sys" "$show/pb.cc" || fail "cannot lay out the sample show"
make_show() {
  local files=() file
  for file in "$show"/*; do files+=("$(windows_path "$file")"); done
  wine_run 60 "$maker" "$(windows_path "$1")" "$(windows_path "$dist/sp.sys")" "${files[@]}" ||
    fail "glint_make_show_file.exe made no $1"
}
shared="$downloads/屏幕保护-Windows.exe"
make_show "$shared"
wine_run 120 "$shared" /S >"$work/show.out" 2>&1 || fail "/S: status $?, $(cat "$work/show.out")"
for name in "$show"/*; do
  name=$(basename "$name")
  case $name in
    *.dat) iconv -f UTF-8 -t GBK "$show/$name" | cmp -s - "$installed/$name" ;;
    *) cmp -s "$show/$name" "$installed/$name" ;;
  esac || fail "$name is not installed as the show file holds it (lists in GBK)"
done
cmp -s "$dist/sp.sys" "$installed/uninstall.exe" || fail "uninstall.exe is not the plain installer"
[[ -n $(ls "$programs"/Glint*" (1).lnk" 2>/dev/null) ]] || fail "no Start-menu shortcut"
[[ $(winepath -u "$(setting SCRNSAVE.EXE)") == "$installed/glint.scr" ]] || fail "no screensaver"
wine reg query "$entry" /v UninstallString >/dev/null 2>&1 || fail "no installed programs entry"
[[ -z $(ls -A "$local_data/Glint/Incoming") ]] || fail "the staging folder stayed"
echo "ok: 屏幕保护-Windows.exe /S installs the show it carries, uninstall.exe the plain installer"

size=$(stat -c %s "$shared") at=$(($(stat -c %s "$dist/sp.sys") + 100))
head -c $((size - 1)) "$shared" >"$downloads/cut.exe"
cp "$shared" "$downloads/changed.exe"
byte=$(od -An -j$at -N1 -tu1 "$shared" | tr -d ' ')
printf "\\$(printf %o $((byte ^ 1)))" |
  dd of="$downloads/changed.exe" bs=1 seek=$at conv=notrunc 2>/dev/null
printf '"晚风 🎵.wav"\r\n' >"$show/ms.dat"
make_show "$downloads/unlistable.exe"
for copy in cut:损坏 changed:损坏 unlistable:代码页; do
  wine_run 60 "$downloads/${copy%:*}.exe" /S >"$work/copy.out" 2>&1
  status=$?
  ((status == 1)) && grep -q "${copy#*:}" "$work/copy.out" ||
    fail "${copy%:*}.exe: status $status, $(cat "$work/copy.out")"
  [[ ! -e ${installed%1}2 && -z $(ls -A "$local_data/Glint/Incoming") ]] ||
    fail "${copy%:*}.exe installed something"
done
echo "ok: a copy cut short, one with a byte changed and one naming a file GBK lacks are refused"
