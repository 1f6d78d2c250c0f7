#!/usr/bin/env bash
# Drives the real window program as a musician would, on a virtual display
# with a window manager, with keys and clicks, and checks what it did and
# what the file sound card recorded. Three sessions on a synthesized loop:
#   modal:  with an alert, the Export Sound file dialog, the Open dialog and
#           the save question in front, Ctrl+W, Ctrl+A, Ctrl+F and Ctrl+Q leave
#           the document, its slice selection and the program as they were;
#           the same keys act once nothing is in front.
#   bars:   a number typed into Bars, Return, then space plays the loop until
#           space again; the recording sounds for as long as that.
#   keypad: typing into Bars, a click on the waveform, then keypad keys play
#           slices; the recording holds one burst per slice played.
# Each failure names its step. The program's own output is searched for
# sanitizer reports.
# Usage: scripts/user-session.sh [path of quillet]   (default build/app/quillet)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

if [ "${1:-}" != "--inside" ]; then
  program=$(realpath "${1:-$root/build/app/quillet}")
  [ -x "$program" ] || { echo "user-session: no program at $program" >&2; exit 2; }
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$program"
fi
program=$2
cli=$(dirname "$program")/../cli/quillet-cli

work=$(mktemp -d)
export HOME=$work/home XDG_CONFIG_HOME=$work/config TMPDIR=$work/tmp QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$TMPDIR" "$work/loops"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
# A sanitizer build reports what leaks in Quillet, not what the libraries of an X display keep.
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$root/scripts/lsan-window-program.supp:print_suppressions=0"
wait_time=${USER_SESSION_WAIT:-40}   # seconds any window or file is waited for
failures=0
step=""
pid=""
frame=""

# ---- reporting ----------------------------------------------------------------

STEP() { step=$1; echo "-- [${SECONDS}s] $step"; }
fail() { echo "FAIL [$step]: $*"; failures=$((failures + 1)); return 1; }
alive() { [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; }

# ---- windows --------------------------------------------------------------------

# The kind of window $1 as the program declares it first: NORMAL, DIALOG, SPLASH...
kind_of() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | sed -n 's/.*= _NET_WM_WINDOW_TYPE_\([A-Z]*\).*/\1/p'; }

# Visible windows of the program named like $1 (a regular expression) and of kind $2.
windows_named() {
  local id
  for id in $(xdotool search --all --onlyvisible --pid "$pid" --name "$1" 2>/dev/null); do
    if [ "$(kind_of "$id")" = "$2" ]; then echo "$id"; fi
  done
}

# Waits for a window named like $1 of kind $2 (a dialog unless said) and prints its id.
wait_window() {
  local deadline=$((SECONDS + wait_time)) kind=${2:-DIALOG} id
  # --sync returns once a window of that name maps; the frame and the splash
  # screen share the alerts' name, so the search goes on for the kind.
  timeout "$wait_time" xdotool search --all --sync --onlyvisible --pid "$pid" --name "$1" >/dev/null 2>&1
  while [ $SECONDS -lt $deadline ]; do
    id=$(windows_named "$1" "$kind" | head -n 1)
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    alive || return 1
    sleep 0.2
  done
  return 1
}

# Waits until window $1 is no longer shown.
wait_gone() {
  local deadline=$((SECONDS + wait_time))
  while [ $SECONDS -lt $deadline ]; do
    xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.2
  done
  return 1
}

# The program's windows and dialogs on the screen (not its splash screen).
shown_windows() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort -n); do
    case $(kind_of "$id") in NORMAL | DIALOG) echo -n "$id " ;; esac
  done
}

# Makes window $1 the active one and types the keys that follow.
keys_to() {
  local window=$1; shift
  timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  xdotool key --delay 150 "$@"
  sleep 0.6
}

# Answers window $1 with key $2 and waits for it to go.
answer() {
  keys_to "$1" "$2"
  wait_gone "$1" || { fail "the window stayed after $2"; return 1; }
}

# The keys that must not act behind a modal window $1: the program, the
# window in front and all the frame shows around it stay as they were.
shortcut_storm() {
  local before after count covered tries
  before=$(shown_windows)
  covered=$(covered_by "$1")
  snapshot_around "$work/storm-before.png" "$covered"
  keys_to "$1" ctrl+w ctrl+a ctrl+f ctrl+q
  alive || { fail "the program ended"; return 1; }
  after=$(shown_windows)
  [ "$before" = "$after" ] || { fail "windows came or went: $before-> $after"; return 1; }
  for tries in 1 2 3 4 5 6; do
    snapshot_around "$work/storm-after.png" "$covered"
    count=$(differing "$work/storm-before.png" "$work/storm-after.png")
    [ "$count" = 0 ] && return 0
  done
  fail "the document changed behind it ($count pixels, see $work/storm-after.png)"
}

# The frame as it looks now, into file $1 (the pointer parked off the window).
snapshot() {
  xdotool mousemove 1275 1019
  sleep 0.8
  import -window "$frame" "$1" 2>/dev/null
}

# Waits until window $1 has stopped moving and changing size.
settle() {
  local deadline=$((SECONDS + 10)) last="" now
  while [ $SECONDS -lt $deadline ]; do
    now=$(xdotool getwindowgeometry "$1" 2>/dev/null)
    [ -n "$now" ] && [ "$now" = "$last" ] && return 0
    last=$now
    sleep 0.4
  done
}

# The rectangle of the frame that window $1 covers with its decorations.
covered_by() {
  local X Y WIDTH HEIGHT SCREEN WINDOW fx fy
  settle "$1"
  eval "$(xdotool getwindowgeometry --shell "$frame")"
  fx=$X fy=$Y
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$((X - fx - 30)),$((Y - fy - 40)) $((X - fx + WIDTH + 30)),$((Y - fy + HEIGHT + 30))"
}

# The frame as it looks now with rectangle $2 blacked out, into file $1.
snapshot_around() {
  snapshot "$1"
  mogrify -fill black -draw "rectangle $2" "$1"
}

# Number of pixels that differ between two snapshots.
differing() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }

# Snapshot $2 must match snapshot $1 ("same") or not ("changed").
# A slow machine may still be drawing: the snapshot is taken again for a while.
compare_snapshot() {
  local count tries
  for tries in 1 2 3 4 5 6; do
    snapshot "$work/$2.png"
    count=$(differing "$work/$1.png" "$work/$2.png")
    if [ "$3" = same ] && [ "$count" = 0 ]; then return 0; fi
    if [ "$3" = changed ] && [ "$count" != 0 ]; then return 0; fi
  done
  if [ "$3" = same ]; then fail "the document changed ($count pixels, see $work/$2.png)"; else fail "the document did not change"; fi
}

# Presses keys $2... for the dialog titled like $1, waits for it and sends it
# the shortcuts; the dialog's id is left in $dialog.
open_and_storm() {
  local title=$1; shift
  keys_to "$frame" "$@"
  dialog=$(wait_window "$title") || { fail "no dialog named $title"; return 1; }
  shortcut_storm "$dialog"
}

# Where the document window's inside starts on the screen: the slice strip's
# background (the default look) begins 56 pixels below its top at its left edge.
locate_document() {
  import -window root "$work/where.png" 2>/dev/null
  local box
  box=$(convert "$work/where.png" -alpha off -fill black +opaque "srgb(32,32,128)" -fill white \
        -opaque "srgb(32,32,128)" -trim -format "%X %Y" info: 2>/dev/null) || return 1
  doc_x=$(echo "$box" | cut -d' ' -f1 | tr -d '+')
  doc_y=$(( $(echo "$box" | cut -d' ' -f2 | tr -d '+') - 56 ))
  [ "$doc_x" -ge 0 ] 2>/dev/null && [ "$doc_y" -ge 0 ]
}

# Clicks at ($1, $2) inside the document window.
click_document() {
  xdotool mousemove $((doc_x + $1)) $((doc_y + $2)) click 1
  sleep 0.5
}

# ---- the program ----------------------------------------------------------------

# Starts the program as session $1 on file $2. The questions of the start
# (no samplers installed, and any other the machine brings) are answered with
# their default button, a sound file is opened from Open Audio File; the
# question that comes once the document shows is whether the left locator
# moves to the first slice point: $3 answers it yes (Return), no (Right, then
# space) or later (it stays up, in $left_alert).
start_program() {
  local name=$1 file=$2 locator_question=$3
  log=$work/$name.log
  heard=$work/$name.wav
  QUILLET_SOUND_CARDS=file:$heard "$program" "$file" >"$log" 2>&1 &
  pid=$!
  frame=""
  STEP "$name: the frame shows"
  frame=$(wait_window '^Quillet$' NORMAL) || { fail "no frame window"; return 1; }
  STEP "$name: the questions of the start, then the left locator question"
  local deadline=$((SECONDS + wait_time)) id
  left_alert=""
  while [ -z "$left_alert" ]; do
    { [ $SECONDS -lt $deadline ] && alive; } || { fail "no question about the left locator"; return 1; }
    id=$(windows_named '^Open Audio File$' DIALOG | head -n 1)
    if [ -n "$id" ]; then
      answer "$id" Return || return 1
      continue
    fi
    id=$(windows_named '^Quillet$' DIALOG | head -n 1)
    if [ -n "$id" ]; then
      settle "$id"
      if document_shown; then left_alert=$id; else answer "$id" Return || return 1; fi
      continue
    fi
    sleep 0.2
  done
  while [ -n "$(windows_named '^Quillet$' SPLASH)" ] && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
  case $locator_question in
    yes) answer "$left_alert" Return ;;
    no) keys_to "$left_alert" Right; answer "$left_alert" space ;;
  esac
}

# The document window is on the screen (it may still be drawing).
document_shown() {
  local tries
  for tries in 1 2 3 4 5; do
    locate_document && return 0
    sleep 0.4
  done
  return 1
}

# Quits with Ctrl+Q and saves the changed document as $1 through the save
# question (Yes) and the save dialog.
quit_saving() {
  STEP "$session: Ctrl+Q asks to save the changes"
  keys_to "$frame" ctrl+q
  local id
  id=$(wait_window '^Save changes before close\?$') || { fail "no save question"; return 1; }
  keys_to "$id" Return
  STEP "$session: the save dialog"
  id=$(wait_window '^Save Quillet! Document$') || { fail "no save dialog"; return 1; }
  keys_to "$id" ctrl+a
  xdotool type --delay 40 "$1"
  keys_to "$id" Return
  wait_program_end
}

wait_program_end() {
  STEP "$session: the program ends"
  local deadline=$((SECONDS + wait_time))
  while alive && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
  if alive; then fail "still running"; return 1; fi
  wait "$pid"; local status=$?
  pid=""
  [ $status -eq 0 ] || { fail "exit status $status"; return 1; }
}

# Ends a session: stops a program left running, then looks for sanitizer reports.
end_session() {
  if alive; then kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; fi
  pid=""
  STEP "$session: no sanitizer report"
  if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: [A-Za-z]*Sanitizer' "$log"; then
    grep -E -A30 'ERROR: (Address|Leak)Sanitizer|runtime error:' "$log" | head -n 60
    fail "the sanitizer reported (see above, full output in $log)"
  fi
}

# The recording $1 measured: seconds from the first to the last sound, the
# number of bursts (sounds apart by 80 ms of silence) and the whole length.
measure() {
  python3 - "$1" <<'PY'
import array, sys, wave
w = wave.open(sys.argv[1])
rate, channels, frames = w.getframerate(), w.getnchannels(), w.getnframes()
data = array.array("h", w.readframes(frames))
if sys.byteorder == "big":
    data.byteswap()
loud = [i // channels for i, value in enumerate(data) if abs(value) > 300]
bursts, last = 0, None
for i in loud:
    if last is None or i - last > rate * 0.08:
        bursts += 1
    last = i
span = (loud[-1] - loud[0]) / rate if loud else 0.0
print("%.2f %d %.2f" % (span, bursts, frames / rate))
PY
}

bars_saved() { "$cli" slice "$1" 2>/dev/null | sed -n 's/^loop: .*, \([0-9]*\) bar(s).*/\1/p'; }

# ---- the sessions ---------------------------------------------------------------

session_modal() {
  session=modal
  start_program modal "$work/loops/loop.qlt" later || return 1

  STEP "modal: the alert has a fixed size and no close function"
  local hints actions
  hints=$(xprop -id "$left_alert" _MOTIF_WM_HINTS | sed 's/.*= //')
  actions=$(xprop -id "$left_alert" _NET_WM_ALLOWED_ACTIONS)
  python3 -c 'import sys; f = [int(x, 16) for x in sys.argv[1].split(",")]; sys.exit(not (f[0] & 1 and not f[1] & 0x20))' \
    "$hints" || fail "the window manager is offered Close ($hints)"
  if echo "$actions" | grep -qE 'ACTION_RESIZE|ACTION_MAXIMIZE'; then fail "resizable or maximisable: $actions"; fi

  STEP "modal: shortcuts while the left locator question is up"
  shortcut_storm "$left_alert" || return 1
  STEP "modal: No leaves the locator and the document unchanged"
  keys_to "$left_alert" Right
  answer "$left_alert" space || return 1

  STEP "modal: magnify in, then look at the document"
  keys_to "$frame" ctrl+KP_Add ctrl+KP_Add
  snapshot "$work/modal-before.png"
  locate_document || { fail "no document window on the screen"; return 1; }

  STEP "modal: shortcuts while the Export Sound dialog is up"
  open_and_storm '^Export Sound$' alt+f e || return 1
  local export=$dialog
  STEP "modal: Ctrl+A selected the file name in the dialog; the export lies next to the loop"
  xdotool type --delay 40 "cut"
  answer "$export" Return || return 1
  local deadline=$((SECONDS + wait_time))
  while ! ls "$work/loops"/cut\ \#001.* >/dev/null 2>&1 && [ $SECONDS -lt $deadline ]; do sleep 0.2; done
  ls "$work/loops"/cut\ \#001.* >/dev/null 2>&1 || fail "no \"cut #001\" slice beside the loop: $(ls "$work/loops" | tr '\n' ' ')"
  if ls "$work/loops" | grep -v '^cut' | grep -qvE '^loop\.(wav|qlt)$'; then fail "other files beside the loop: $(ls "$work/loops" | tr '\n' ' ')"; fi
  STEP "modal: the document is as it was after the Export Sound dialog"
  sleep 1
  compare_snapshot modal-before modal-export same

  STEP "modal: shortcuts while the Open dialog is up"
  open_and_storm '^Open Sound File or Quillet! Document$' ctrl+o || return 1
  local open=$dialog
  answer "$open" Escape || return 1
  STEP "modal: the document is as it was after the Open dialog"
  compare_snapshot modal-before modal-open same
  STEP "modal: the settings keep the folder last used"
  grep -q "^LastFolder=$work/loops\$" "$XDG_CONFIG_HOME/Marlpit/Quillet.conf" 2>/dev/null ||
    fail "no LastFolder=$work/loops in the settings"

  STEP "modal: with nothing in front, Ctrl+A selects the slice points"
  keys_to "$frame" ctrl+a
  compare_snapshot modal-before modal-selected changed
  STEP "modal: with nothing in front, Ctrl+F shows the whole sound"
  keys_to "$frame" ctrl+f
  compare_snapshot modal-selected modal-fitted changed

  STEP "modal: shortcuts while the save question is up; Cancel keeps the program"
  open_and_storm '^Save changes before close\?$' ctrl+q || return 1
  local question=$dialog
  answer "$question" Escape || return 1
  sleep 1
  alive || { fail "the program ended after Cancel"; return 1; }
  STEP "modal: Ctrl+Q, Yes saves the document into its file"
  cp "$work/loops/loop.qlt" "$work/loop-before.qlt"
  keys_to "$frame" ctrl+q
  question=$(wait_window '^Save changes before close\?$') || { fail "no save question"; return 1; }
  keys_to "$question" Return
  wait_program_end || return 1
  cmp -s "$work/loops/loop.qlt" "$work/loop-before.qlt" && fail "loop.qlt was not written again"
}

session_bars() {
  session=bars
  start_program bars "$work/loops/loop.wav" yes || return 1
  locate_document || { STEP "bars: find the document"; fail "no document window on the screen"; return 1; }
  STEP "bars: type 2 into Bars and press Return"
  click_document 322 40
  xdotool key --delay 100 End BackSpace BackSpace BackSpace 2 Return
  sleep 0.5
  STEP "bars: space plays the loop until space again"
  local started stopped
  started=$(date +%s.%N)
  xdotool key space
  sleep 3
  xdotool key space
  stopped=$(date +%s.%N)
  sleep 0.5
  quit_saving "$work/loops/bars.qlt" || return 1
  STEP "bars: Bars holds 2"
  [ "$(bars_saved "$work/loops/bars.qlt")" = 2 ] || fail "the document has $(bars_saved "$work/loops/bars.qlt") bar(s)"
  STEP "bars: the recording sounds for as long as the loop played"
  [ -s "$heard" ] || { fail "no recording at $heard"; return 1; }
  local measured span held
  measured=$(measure "$heard")
  span=$(echo "$measured" | cut -d' ' -f1)
  held=$(python3 -c 'import sys; print("%.2f" % (float(sys.argv[2]) - float(sys.argv[1])))' "$started" "$stopped")
  echo "   sounding ${span}s of ${held}s between the presses (span, bursts, length: $measured)"
  python3 -c 'import sys; s, h = map(float, sys.argv[1:]); sys.exit(not (s > 1.5 and abs(s - h) < 0.75))' \
    "$span" "$held" || fail "the loop sounded ${span}s, the keys were ${held}s apart"
}

session_keypad() {
  session=keypad
  start_program keypad "$work/loops/loop.wav" yes || return 1
  locate_document || { STEP "keypad: find the document"; fail "no document window on the screen"; return 1; }
  STEP "keypad: 9 shows the slices; typing into Bars, then a click on the waveform"
  keys_to "$frame" 9
  click_document 322 40
  xdotool key --delay 100 End BackSpace BackSpace BackSpace 3
  click_document 190 150
  sleep 1
  STEP "keypad: keypad 9 (three times) and 8 play slices"
  local key
  for key in KP_9 KP_9 KP_9 KP_8; do
    xdotool key "$key"
    sleep 0.7
  done
  quit_saving "$work/loops/keypad.qlt" || return 1
  STEP "keypad: Bars holds 3, no keypad digit went into it"
  [ "$(bars_saved "$work/loops/keypad.qlt")" = 3 ] ||
    fail "the document has $(bars_saved "$work/loops/keypad.qlt") bar(s)"
  STEP "keypad: the click and each keypad key played a slice"
  [ -s "$heard" ] || { fail "no recording at $heard"; return 1; }
  local measured bursts
  measured=$(measure "$heard")
  bursts=$(echo "$measured" | cut -d' ' -f2)
  echo "   span, bursts, length: $measured"
  [ "$bursts" = 5 ] || fail "$bursts slices sounded, 5 were played (a click and four keys)"
}

# ---- the run ---------------------------------------------------------------------

STEP "setup: window manager and a loop"
openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break; sleep 0.1; done
# Eight hits a quarter second apart after a tenth of a second of silence,
# 44.1 kHz mono: each slice one short burst.
python3 - "$work/loops/loop.wav" <<'PY'
import math, struct, sys, wave
rate, lead, step, hits = 44100, 4410, 11025, 8
samples = [0] * (lead + hits * step)
seed = 12345
for h in range(hits):
    start, tone = lead + h * step, 220.0 * (1 + h % 4)
    for i in range(int(0.06 * rate)):
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
        noise = (seed >> 8) / float(1 << 23) - 1.0
        value = 0.55 * math.exp(-i / (0.012 * rate)) * (0.6 * math.sin(2 * math.pi * tone * i / rate) + 0.4 * noise)
        samples[start + i] = int(max(-1.0, min(1.0, value)) * 32000)
w = wave.open(sys.argv[1], "wb")
w.setnchannels(1), w.setsampwidth(2), w.setframerate(rate)
w.writeframes(struct.pack("<%dh" % len(samples), *samples))
w.close()
PY
# The same loop as a document that shows its eight slice points.
"$cli" export "$work/loops/loop.wav" --sensitivity 990 --save "$work/loops/loop.qlt" >/dev/null ||
  fail "quillet-cli could not save the loop as a document"

for run in session_modal session_bars session_keypad; do
  $run
  end_session
done
kill "$wm" 2>/dev/null

if [ $failures -gt 0 ]; then
  echo "user session: $failures failure(s); files in $work"
  exit 1
fi
rm -rf "$work"
echo "user session: all steps passed"
