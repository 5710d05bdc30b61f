#!/usr/bin/env bash
# Starts the real game and checks how it ends.
#   sigterm, sighup: a signal ends a running game in order: the high score is
#                saved and the exit code is 128 + the signal's number
#   second_copy: a second copy while the first runs ends at once, says why and
#                exits non-zero; the first keeps running
#   no_display:  without a display (and no video driver asked for) the game
#                says so and ends at once with a non-zero code
#   lost_display (under Xvfb): the X server dies under the running game; the
#                game saves the high score and ends within seconds, non-zero
#   two_copies: two copies that do not see each other's single-instance lock
#                (each has a runtime folder of its own) end at the same time in
#                one working folder: both saves work, one after the other, and
#                the score is kept
#   file_size_limit: under a file-size limit smaller than the score file
#                (prlimit --fsize), SIGTERM still ends the game in order: the
#                save says why it failed, leaves no temporary file and keeps
#                the old score; a limit of 0 does not stop the start
#   box_helper (under Xvfb, a picture missing so that an error box is up): the
#                box's helper process goes with the game, on SIGTERM and on
#                SIGKILL, and never keeps a later start out
#   box_locale (under Xvfb, a picture missing): under a locale whose codeset
#                is not UTF-8 (LANG=C) the error box shows its whole text, as
#                wide as under C.UTF-8, not cut at the first Japanese character
#   window_closed (under Xvfb, with xdotool): another program destroys the
#                game's window; the game saves the high score, says why and
#                ends with status 1
#   frozen_display (under Xvfb): the X server is stopped, so the game's main
#                thread hangs on it; SIGTERM, then SIGINT, still saves the
#                high score, says so, and ends the game within seconds with
#                status 143 (the first signal's)
#   midi_flood (under Xvfb, keys sent with xdotool): stage 1's song is a 2 MB
#                file that passes the checker but floods the synthesiser with
#                events; ESC in stage 1 still saves and ends the game within
#                1.5 s
# The Xvfb cases pass without checking anything when Xvfb (or, for the keys,
# xdotool) is not installed.
set -u
case_name=$1 exe=$2 dir=$3
rm -rf "$dir" && mkdir -p -m 0700 "$dir"
export XDG_RUNTIME_DIR="$dir"
cd "$dir" || exit 1

fail() {
  echo "$*"
  for log in "$dir"/*.log; do [ -s "$log" ] && { echo "-- $log"; cat "$log"; }; done
  [ -n "${game:-}" ] && kill -9 "$game" 2>/dev/null
  [ -n "${xserver:-}" ] && kill -9 "$xserver" 2>/dev/null
  exit 1
}

# Waits up to $2 tenths of a second for process $1 to end; false if it lives.
ends_within() {
  for _ in $(seq 1 "$2"); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
  ! kill -0 "$1" 2>/dev/null
}

# Starts Xvfb on a free display and exports DISPLAY.
start_xvfb() {
  if ! command -v Xvfb >/dev/null; then echo "skipped: no Xvfb"; exit 0; fi
  Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$dir/display" 2>"$dir/xvfb.out" &
  xserver=$!
  for _ in $(seq 1 100); do
    [ -s "$dir/display" ] && break
    sleep 0.1
  done
  [ -s "$dir/display" ] || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$dir/display")" SDL_VIDEODRIVER=x11
}

start_game() {
  "$1" >"$dir/$2.log" 2>&1 &
  game=$!
  sleep "${3:-1}"
  kill -0 "$game" 2>/dev/null || fail "the game ended by itself"
}

# A program folder of its own, the first picture missing: its error box is up
# from the start.
game_without_a_picture() {
  make_game_folder
  mkdir -p "$dir/game/IMAGE"
  ln -s "$bin/SOUND" "$bin/MIDI" "$dir/game/"
  ln -s "$bin"/IMAGE/*.BMP "$dir/game/IMAGE/"
  rm "$dir/game/IMAGE/BBACK1S.BMP"
}

# The size of the first window other than the game's (an error box).
box_size() {
  xwininfo -root -tree | grep -E '^\s+0x' | grep -v '"Quorvane"' | grep -oE '[0-9]+x[0-9]+\+' | head -n1
}

# Waits until the game's shown window has been the same for a second: SDL
# makes it anew for the renderer on the first frame, and a display lost in
# the middle of that may fail inside the GL driver rather than in Xlib.
window_settled() {
  command -v xdotool >/dev/null || { sleep 2; return 0; }
  local before="" now
  for _ in $(seq 1 20); do
    now=$(xdotool search --onlyvisible --name Quorvane 2>/dev/null | head -n1)
    [ -n "$now" ] && [ "$now" = "$before" ] && return 0
    before=$now
    sleep 1
  done
  fail "the game's window did not settle"
}

# A program folder of its own in $dir/game, beside the built pictures, sounds
# and songs (linked), with the executable copied into it.
make_game_folder() {
  mkdir -p "$dir/game"
  cp "$exe" "$dir/game/quorvane"
  bin=$(dirname "$exe")
}

# Presses one key (an xdotool name) in the game's window, held for a fifth of
# a second: the menus look at the keys held down once a frame. The window is
# looked for each time, as a window seen early in the start may be gone.
press() {
  local window
  for _ in 1 2 3; do
    window=$(timeout 10 xdotool search --sync --onlyvisible --pid "$game" 2>>"$dir/xdotool.log" | tail -n1)
    [ -n "$window" ] && xdotool windowfocus --sync "$window" keydown "$1" sleep 0.2 keyup "$1" \
      2>>"$dir/xdotool.log" && return
    sleep 0.5
  done
  fail "xdotool could not press $1"
}

# The hostile song: one track, 32767 ticks a quarter note of a microsecond,
# then 699,002 notes-on and -off one tick apart in running status (so that the
# whole song lasts some 21 microseconds), 2,097,040 bytes in all.
write_flood_song() {
  local body="$dir/flood.track" pairs="$dir/flood.pairs" length size
  # The tempo, then the first note-on with its status byte.
  printf '\x00\xff\x51\x03\x00\x00\x01\x01\x90\x3c\x64' >"$body"
  # An off and an on, doubled up to 2^19 pairs and cut to 349,500.
  printf '\x01\x3c\x00\x01\x3c\x64' >"$pairs"
  for _ in $(seq 1 19); do cat "$pairs" "$pairs" >"$pairs.2" && mv "$pairs.2" "$pairs"; done
  head -c $((349500 * 6)) "$pairs" >>"$body"
  # The last note-off, and the end of the track.
  printf '\x01\x3c\x00\x00\xff\x2f\x00' >>"$body"
  length=$(stat -c %s "$body")
  # The track's length, big-endian, as printf escapes.
  size=$(printf '\\x%02x' $((length >> 24 & 255)) $((length >> 16 & 255)) $((length >> 8 & 255)) $((length & 255)))
  {
    printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x7f\xffMTrk'
    printf "$size"
    cat "$body"
  } >"$1"
  rm -f "$body" "$pairs"
}

score_saved() { [ -f "$dir/SCORE/score.dat" ] || fail "no SCORE/score.dat: the high score was not saved"; }

case "$case_name" in
  no_display)
    timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$exe" >"$dir/out.log" 2>&1
    rc=$?
    [ "$rc" -eq 124 ] && fail "the game played unseen until stopped"
    [ "$rc" -eq 0 ] && fail "exit code 0 without a display"
    grep -q "no display" "$dir/out.log" || fail "no message"
    ;;

  sigterm | sighup)
    signal=${case_name#sig}
    start_game "$exe" first
    kill -"${signal^^}" "$game"
    ends_within "$game" 100 || fail "the game did not end on SIG${signal^^}"
    wait "$game"
    rc=$?
    want=$((128 + $(kill -l "${signal^^}")))
    [ "$rc" -eq "$want" ] || fail "exit code $rc, not $want"
    score_saved
    ;;

  second_copy)
    start_game "$exe" first
    start=$(date +%s%N)
    timeout 10 "$exe" >"$dir/second.log" 2>&1
    rc=$?
    took=$((($(date +%s%N) - start) / 1000000))
    [ "$rc" -eq 0 ] && fail "the refused second copy exited with 0"
    [ "$rc" -eq 124 ] && fail "the second copy ran"
    [ "$took" -gt 5000 ] && fail "second copy took ${took} ms"
    grep -q "already running" "$dir/second.log" || fail "the second copy did not say why it ended"
    kill -0 "$game" 2>/dev/null || fail "the first copy died"
    kill -TERM "$game"
    ends_within "$game" 100 || fail "the game did not end on SIGTERM"
    ;;

  lost_display)
    start_xvfb
    start_game "$exe" game 2
    window_settled
    kill -9 "$xserver"
    ends_within "$game" 50 || fail "the game did not end within 5 s of losing its display"
    wait "$game"
    rc=$?
    [ "$rc" -ne 0 ] || fail "exit code 0 after losing the display"
    score_saved
    grep -q "display was lost" "$dir/game.log" || fail "no word of the lost display"
    ;;

  two_copies)
    # Each copy holds a single-instance lock of its own; their saves on
    # SIGTERM go into one SCORE at the same time.
    mkdir -m 0700 r1 r2
    mkdir SCORE
    printf 906500 >SCORE/score.dat
    for round in 1 2 3 4 5; do
      XDG_RUNTIME_DIR="$dir/r1" "$exe" >"$dir/first_$round.log" 2>&1 &
      first=$!
      XDG_RUNTIME_DIR="$dir/r2" start_game "$exe" "second_$round"
      kill -0 "$first" 2>/dev/null || fail "the first copy ended by itself"
      kill -TERM "$first" "$game"
      ends_within "$first" 100 && ends_within "$game" 100 || fail "a copy did not end on SIGTERM"
      wait "$first"
      [ $? -eq 143 ] || fail "the first copy's exit code was not 143"
      wait "$game"
      [ $? -eq 143 ] || fail "the second copy's exit code was not 143"
      grep -h "could not be saved" "$dir"/*_"$round".log && fail "a save failed (round $round)"
      [ "$(tr -d '\0' <SCORE/score.dat)" = 906500 ] || fail "the score was not kept (round $round)"
      [ "$(ls SCORE)" = score.dat ] || fail "left in SCORE: $(ls SCORE)"
    done
    ;;

  file_size_limit)
    command -v prlimit >/dev/null || { echo "skipped: no prlimit"; exit 0; }
    mkdir SCORE
    printf 5000 >SCORE/score.dat
    for limit in 100 0; do
      # prlimit sets the limit and becomes the game (same pid).
      prlimit --fsize="$limit" "$exe" >"$dir/limit_$limit.log" 2>&1 &
      game=$!
      sleep 1
      kill -0 "$game" 2>/dev/null || fail "the game ended by itself (limit $limit)"
      kill -TERM "$game"
      ends_within "$game" 100 || fail "the game did not end on SIGTERM (limit $limit)"
      wait "$game"
      rc=$?
      [ "$rc" -eq 143 ] || fail "exit code $rc, not 143 (limit $limit)"
      # Under a limit of 0 not even the log file can take the message.
      if [ "$limit" -gt 0 ]; then
        grep -q "could not be saved: .*File too large" "$dir/limit_$limit.log" || fail "no word of the failed save"
      fi
      [ "$(cat SCORE/score.dat)" = 5000 ] || fail "the old score was not kept (limit $limit)"
      [ "$(ls SCORE)" = score.dat ] || fail "left in SCORE: $(ls SCORE)"
    done
    ;;

  box_helper)
    game_without_a_picture
    start_xvfb
    for how in TERM KILL; do
      start_game "$dir/game/quorvane" "box_$how" 3
      helper=$(pgrep -P "$game" | head -n1)
      [ -n "$helper" ] || fail "no error box helper process was seen"
      kill -"$how" "$game"
      ends_within "$game" 100 || fail "the game did not end on SIG$how"
      ends_within "$helper" 50 || fail "the box's helper outlived the game (SIG$how)"
      wait "$game"
    done
    # The lock went with the game: a new start runs.
    start_game "$dir/game/quorvane" after 2
    kill -TERM "$game"
    ends_within "$game" 100 || fail "the game did not end on SIGTERM"
    kill "$xserver"
    ;;

  box_locale)
    command -v xwininfo >/dev/null || { echo "skipped: no xwininfo"; exit 0; }
    game_without_a_picture
    start_xvfb
    sizes=()
    for locale in C.UTF-8 C; do
      LANG=$locale LC_ALL='' LC_CTYPE='' start_game "$dir/game/quorvane" "box_$locale" 3
      sizes+=("$(box_size)")
      kill -TERM "$game"
      ends_within "$game" 100 || fail "the game did not end on SIGTERM"
      wait "$game"
    done
    [ -n "${sizes[0]}" ] || fail "no error box was seen"
    [ "${sizes[0]}" = "${sizes[1]}" ] || fail "the box under LANG=C is ${sizes[1]}, under C.UTF-8 ${sizes[0]}"
    kill "$xserver"
    ;;

  window_closed)
    command -v xdotool >/dev/null || { echo "skipped: no xdotool"; exit 0; }
    start_xvfb
    start_game "$exe" game 2
    # SDL makes its window anew for the renderer on the first frame: a window
    # closed before that may be one SDL was about to destroy itself, and the
    # game then rightly goes on in its new one, which is closed in turn.
    window_settled
    closed=""
    for _ in 1 2; do
      window=$(xdotool search --onlyvisible --name Quorvane 2>/dev/null | head -n1)
      [ -n "$window" ] && [ "$window" != "$closed" ] && xdotool windowclose "$window" 2>/dev/null && closed=$window
      ends_within "$game" 100 && break
    done
    [ -n "$closed" ] || fail "the game's window was not found"
    kill -0 "$game" 2>/dev/null && fail "the game did not end within 10 s of losing its window ($closed)"
    wait "$game"
    rc=$?
    [ "$rc" -eq 1 ] || fail "exit code $rc, not 1, after the window was destroyed"
    score_saved
    grep -q "display refused a request" "$dir/game.log" || fail "no word of the refused request"
    kill "$xserver"
    ;;

  frozen_display)
    start_xvfb
    start_game "$exe" game 2
    window_settled
    kill -STOP "$xserver"
    sleep 0.5
    kill -TERM "$game"
    # An impatient second signal: the first one still decides the end.
    sleep 0.5
    kill -INT "$game"
    ends_within "$game" 60 || fail "the game did not end within 6 s of SIGTERM with its display frozen"
    wait "$game"
    rc=$?
    kill -CONT "$xserver"
    [ "$rc" -eq 143 ] || fail "exit code $rc, not 143"
    score_saved
    grep -q "of signal 15; the high score was saved" "$dir/game.log" || fail "the watchdog did not say that it saved"
    kill "$xserver"
    ;;

  midi_flood)
    if ! command -v xdotool >/dev/null; then echo "skipped: no xdotool"; exit 0; fi
    # In the sanitizer build the leak check at exit takes a second or more by
    # itself; the time measured here is the game's own, so this one run goes
    # without the check (every other test keeps it).
    export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0"
    make_game_folder
    ln -s "$bin/IMAGE" "$bin/SOUND" "$dir/game/"
    mkdir -p "$dir/game/MIDI"
    ln -s "$bin"/MIDI/*.MID "$dir/game/MIDI/"
    rm "$dir/game/MIDI/KTSM1.MID"
    write_flood_song "$dir/game/MIDI/KTSM1.MID"
    start_xvfb
    start_game "$dir/game/quorvane" game 2
    # Enter leaves the title, F1 starts stage 1 at difficulty 1 and with it
    # the flood; again if a key came before the scene looked for it.
    for _ in 1 2 3; do
      press Return
      sleep 1
      press F1
      sleep 3
      grep -q "song floods" "$dir/game.log" && break
    done
    kill -0 "$game" 2>/dev/null || fail "the game ended by itself"
    start=$(date +%s%N)
    press Escape
    ends_within "$game" 300
    took=$((($(date +%s%N) - start) / 1000000))
    [ "$took" -le 1500 ] || fail "the game ended $took ms after ESC was pressed, not within 1.5 s"
    echo "the game ended $took ms after ESC was pressed"
    wait "$game"
    score_saved
    grep -q "song floods" "$dir/game.log" || fail "stage 1's song was not played as a flood"
    kill "$xserver"
    ;;
esac
echo "ok"
