#!/usr/bin/env bash
# Starts the real game and checks how it ends.
#   sigterm:     runs a second, SIGTERM, expects exit code 0
#   second_copy: a second copy while the first runs ends at once with 0
#   no_display:  without a display (and no video driver asked for) the game
#                says so and ends at once with a non-zero code
set -u
case_name=$1 exe=$2 dir=$3
rm -rf "$dir" && mkdir -p -m 0700 "$dir"
export XDG_RUNTIME_DIR="$dir"
cd "$dir" || exit 1

if [ "$case_name" = no_display ]; then
  timeout 10 env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$exe" >"$dir/out.log" 2>&1
  rc=$?
  if [ "$rc" -eq 124 ]; then echo "the game played unseen until stopped"; exit 1; fi
  if [ "$rc" -eq 0 ]; then echo "exit code 0 without a display"; cat "$dir/out.log"; exit 1; fi
  if ! grep -q "no display" "$dir/out.log"; then echo "no message:"; cat "$dir/out.log"; exit 1; fi
  echo "ok"
  exit 0
fi

"$exe" >"$dir/first.log" 2>&1 &
pid=$!
sleep 1
if ! kill -0 "$pid" 2>/dev/null; then
  echo "the game ended by itself:"; cat "$dir/first.log"; exit 1
fi

if [ "$case_name" = second_copy ]; then
  start=$(date +%s%N)
  timeout 10 "$exe" >"$dir/second.log" 2>&1
  rc=$?
  took=$(( ($(date +%s%N) - start) / 1000000 ))
  if [ "$rc" -ne 0 ]; then echo "second copy exit code $rc"; cat "$dir/second.log"; kill "$pid"; exit 1; fi
  if [ "$took" -gt 5000 ]; then echo "second copy took ${took} ms"; kill "$pid"; exit 1; fi
  if ! kill -0 "$pid" 2>/dev/null; then echo "the first copy died"; exit 1; fi
fi

kill -TERM "$pid"
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then echo "the game did not end on SIGTERM"; kill -9 "$pid"; exit 1; fi
wait "$pid"
rc=$?
if [ "$rc" -ne 0 ]; then echo "exit code $rc"; cat "$dir/first.log"; exit 1; fi
echo "ok"
