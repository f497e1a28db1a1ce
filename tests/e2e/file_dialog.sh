# Sourced by the end-to-end scripts after x_session.sh: answers the file dialog a click has opened
# by typing the path and pressing Return, as a user would. Qt names its file dialog in the
# language of its installed translations.
# usage: choose_in_file_dialog PATH   (fails the test when no dialog comes or it does not close)
choose_in_file_dialog() {
  file_dialog() {
    xdotool search --onlyvisible --name '^打开$' >/dev/null 2>&1 ||
      xdotool search --onlyvisible --name '^Open$' >/dev/null 2>&1
  }
  no_file_dialog() { ! file_dialog; }
  wait_for 5 file_dialog || fail "no file dialog"
  sleep 0.3
  xdotool type --delay 5 "$1"
  xdotool key Return
  wait_for 5 no_file_dialog || fail "the file dialog did not take $1"
}
