#!/usr/bin/env bash
# The Windows build under Wine, as make test-windows runs it: the logic tests as Windows programs,
# then the real programs on a private X server (Xvfb + openbox), each part with a PASS or FAIL
# line, and a closing count. Exits non-zero when any part failed. First, without Wine:
#   programs     glintmaker.exe, pb.sys and sp.sys are 32-bit Windows GUI programs, pb.sys aware
#                of each monitor's DPI
# On a machine that cannot run 32-bit x86 programs the parts under Wine are skipped (a SKIP line,
# counted apart).
#   logic tests  glint_tests.exe and the backend's own test programs: exit status 0 and
#                GoogleTest's "[  PASSED  ]" line (Wine exits 0 even for a program that never ran)
#   player       the sample show: caption, picture, a key ends it (player_smoke.sh)
#   installer    sp.sys installs a package, its shortcut and launcher, makes it the screensaver;
#                the show in one file installs with /S (installer_smoke.sh, show_file_smoke.sh)
#   maker        glintmaker.exe builds a package through its real dialogs and generates both
#                show files, kept in WINDOWS_BUILD/shared-shows (maker_smoke.sh)
#   shared       the Linux authoring program's 屏幕保护-Windows.exe installs and plays
#                (shared_smoke.sh)
#   languages    glintmaker.exe in English and in Chinese: background, build dialog, message box
#                (languages_smoke.sh)
# usage: run_smoke.sh WINDOWS_BUILD WINDOWS_DIST LINUX_BUILD
# The Wine prefix is WINDOWS_BUILD/wine-prefix unless GLINT_WINE_PREFIX names another.
# GLINT_SMOKE_ONLY="player installer" runs only the parts named (logic, player, installer, maker,
# shared, languages).
set -uo pipefail
[[ $# -eq 3 ]] || { echo "usage: run_smoke.sh WINDOWS_BUILD WINDOWS_DIST LINUX_BUILD" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
winbuild=$(cd "$1" && pwd) dist=$(cd "$2" && pwd) linuxbuild=$(cd "$3" && pwd)

passed=0 failed=0 skipped=0
started=$SECONDS
wanted() { [[ -z ${GLINT_SMOKE_ONLY:-} || " $GLINT_SMOKE_ONLY " == *" $1 "* ]]; }

# The programs a Windows user starts are 32-bit Windows GUI programs: PE32 for i386 with the GUI
# subsystem (no console window opens beside them).
pe_gui_i386() {
  local file=$1 at
  [[ $(od -An -N2 -c "$file" | tr -d ' ') == MZ ]] || { echo "no MZ header"; return 1; }
  at=$(od -An -j60 -N4 -tu4 "$file" | tr -d ' ')
  [[ $(od -An -j"$at" -N4 -tx1 "$file" | tr -d ' ') == 50450000 ]] || { echo "no PE header"; return 1; }
  [[ $(od -An -j$((at + 4)) -N2 -tx2 "$file" | tr -d ' ') == 014c ]] || { echo "not for i386"; return 1; }
  [[ $(od -An -j$((at + 24)) -N2 -tx2 "$file" | tr -d ' ') == 010b ]] || { echo "not PE32"; return 1; }
  [[ $(od -An -j$((at + 92)) -N2 -tu2 "$file" | tr -d ' ') == 2 ]] || { echo "not a GUI program"; return 1; }
}
programs_ok=1
for program in glintmaker.exe pb.sys sp.sys; do
  if ! why=$(pe_gui_i386 "$dist/$program" 2>&1); then
    echo "    $program: ${why:-missing}"
    programs_ok=0
  fi
done
# The show works in device pixels: its manifest says it is aware of each monitor's DPI.
grep -q 'PerMonitorV2' "$dist/pb.sys" 2>/dev/null ||
  { echo "    pb.sys: no manifest declaring per-monitor DPI awareness"; programs_ok=0; }
if ((programs_ok)); then
  echo "PASS: glintmaker.exe, pb.sys and sp.sys are 32-bit Windows GUI programs"
  passed=$((passed + 1))
else
  echo "FAIL: the programs in $dist are not all 32-bit Windows GUI programs"
  failed=$((failed + 1))
fi

# Wine's 32-bit half needs a machine that runs 32-bit x86 programs; many kernels refuse them.
# GLINT_I386_PROBE names another program for the probe to run, to try the refusal.
# GLINT_WINDOWS_TESTS=checks-only stops at the checks above.
skip=""
if [[ ${GLINT_WINDOWS_TESTS:-} == checks-only ]]; then
  skip="SKIP: the Windows tests under Wine are not run here (GLINT_WINDOWS_TESTS=checks-only)"
elif ! reason=$(bash "$here/../../tools/can-run-i386.sh" ${GLINT_I386_PROBE:-}); then
  skip="SKIP: the Windows tests under Wine need a machine that runs 32-bit x86 programs ($reason)"
fi
if [[ -n $skip ]]; then
  echo "$skip"
  for name in logic player installer maker shared languages; do wanted "$name" && skipped=$((skipped + 1)); done
  echo "$passed passed, $failed failed, $skipped skipped"
  ((failed == 0))
  exit
fi

export GLINT_WINE_PREFIX=${GLINT_WINE_PREFIX:-$winbuild/wine-prefix}
# The ANSI code page of our users' Chinese systems: GBK (936).
export LC_ALL=zh_CN.UTF-8
source "$here/wine_env.sh"

for tool in wine Xvfb openbox xdotool xprop import convert iconv; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed"; exit 1; }
done
wine_prepare || { echo "FAIL: cannot make the Wine prefix $WINEPREFIX"; exit 1; }
echo "Wine prefix ready in $((SECONDS - started)) s: $WINEPREFIX"

work=$(mktemp -d)
pids=()
# The parts' screenshots are kept for a person to look at, in WINDOWS_BUILD/smoke-shots.
shots=$winbuild/smoke-shots
rm -rf "$shots"
mkdir -p "$shots"
cleanup() {
  timeout 30 wineserver -k 2>/dev/null
  local shot name
  for shot in "$work"/*/*.png; do
    name=$(basename "$shot")
    [[ $name == failure.png ]] && name="$(basename "$(dirname "$shot")")-failure.png"
    [[ $name != shot.png ]] && cp "$shot" "$shots/$name"
  done 2>/dev/null
  kill "${pids[@]}" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
[[ -s $work/display ]] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
openbox >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q id && break
  sleep 0.05
done

# report NAME STATUS LOG: the part's own lines, then its verdict.
report() {
  sed 's/^/    /' "$3"
  if [[ $2 -eq 0 ]]; then
    echo "PASS: $1"; passed=$((passed + 1))
  else
    echo "FAIL: $1"; failed=$((failed + 1))
  fi
}

# Logic tests: every test program the build made, the shared logic tests first.
logic_tests() {
  local program=$1 name log status
  name=$(basename "$program")
  log="$work/$name.log"
  # A test that hangs (a message queue that never empties, a window that never comes) is named
  # when the program is stopped: the last test it started.
  wine_run 300 "$program" >"$log" 2>&1
  status=$?
  if [[ $status -eq 0 ]] && grep -q '^\[  PASSED  \]' "$log" && ! grep -q '^\[  FAILED  \]' "$log"
  then
    echo "PASS: $name ($(grep '^\[  PASSED  \]' "$log"))"; passed=$((passed + 1))
  else
    grep -v -e '^\[       OK \]' -e '^\[ RUN      \]' -e GStreamer -e '^$' "$log" | tail -n 30 |
      sed 's/^/    /'
    if ((status == 124)); then
      echo "FAIL: $name stopped after 300 s, waiting in" \
        "$(grep '^\[ RUN      \]' "$log" | tail -n 1 | sed 's/^\[ RUN      \] //')"
    else
      echo "FAIL: $name (exit status $status)"
    fi
    failed=$((failed + 1))
  fi
}
if wanted logic; then
  for program in "$winbuild/tests/glint_tests.exe" \
    $(find "$winbuild/tests" -maxdepth 1 -name 'glint_win32_*tests.exe' | sort); do
    if [[ -f $program ]]; then
      logic_tests "$program"
    else
      echo "FAIL: $(basename "$program") was not built"; failed=$((failed + 1))
    fi
  done
fi

# The real programs, each part in a fresh folder of its own.
part() {
  local name=$1 script=$2 status
  shift 2
  wanted "$name" || return 0
  mkdir -p "$work/$name"
  work="$work/$name" timeout --kill-after=10 300 bash "$here/$script" "$@" >"$work/$name.log" 2>&1
  status=$?
  report "$name" "$status" "$work/$name.log"
  # Whatever the part left running goes before the next one starts.
  timeout 30 wineserver -k 2>/dev/null
}
part player player_smoke.sh "$dist" "$linuxbuild"
part installer installer_smoke.sh "$dist" "$linuxbuild" "$winbuild"
part maker maker_smoke.sh "$dist" "$winbuild"
part shared shared_smoke.sh "$dist" "$linuxbuild"
part languages languages_smoke.sh "$dist" "$here/../../assets/maker/generated"

echo "Windows smoke tests took $((SECONDS - started)) s"
echo "$passed passed, $failed failed, $skipped skipped"
((failed == 0))
