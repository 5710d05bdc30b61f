#!/usr/bin/env bash
# The real game under Xvfb, as a player sees it: the main thread's share of
# one core and the frames shown per second on the title, in play (stage 1,
# reached with Enter and F1) and paused (S). Needs Xvfb and xdotool.
#   bench/desktop_cpu.sh [executable] [seconds per phase]
set -u
exe=$(realpath "${1:-build/release/bin/quorvane}")
secs=${2:-4}
dir=$(mktemp -d)
trap 'kill "$game" "$xserver" 2>/dev/null; rm -rf "$dir"' EXIT
cd "$dir" || exit 1

# Frames shown are counted at SDL_RenderPresent by a small preloaded library,
# so that the executable measured is the one played.
cat >count.c <<'C'
#define _GNU_SOURCE
#include <dlfcn.h>
#include <pthread.h>
#include <stdatomic.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>
static atomic_long shown;
void SDL_RenderPresent(void* renderer) {
  static void (*real)(void*);
  if (!real) real = (void (*)(void*))dlsym(RTLD_NEXT, "SDL_RenderPresent");
  atomic_fetch_add(&shown, 1);
  real(renderer);
}
static void* publish(void* path) {
  for (;;) {
    usleep(100000);
    FILE* f = fopen(path, "w");
    if (f) { fprintf(f, "%ld\n", atomic_load(&shown)); fclose(f); }
  }
  return 0;
}
__attribute__((constructor)) static void start(void) {
  const char* path = getenv("PRESENT_COUNT");
  pthread_t t;
  if (path && pthread_create(&t, 0, publish, (void*)path) == 0) pthread_detach(t);
}
C
cc -shared -fPIC -O2 -o count.so count.c -ldl -lpthread || exit 1

export XDG_RUNTIME_DIR=$dir SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>display 2>/dev/null &
xserver=$!
for _ in $(seq 50); do [ -s display ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 display)"
PRESENT_COUNT=$dir/shown LD_PRELOAD=$dir/count.so "$exe" >game.log 2>&1 &
game=$!
sleep 3

ticks_per_second=$(getconf CLK_TCK)
main_thread_ticks() { awk '{print $14 + $15}' "/proc/$game/task/$game/stat"; }
# Held for a fifth of a second: the menus look at the keys held once a frame.
key() { xdotool keydown "$1" sleep 0.2 keyup "$1"; }
measure() {
  local t0 t1 s0 s1
  t0=$(main_thread_ticks); s0=$(cat shown)
  sleep "$secs"
  t1=$(main_thread_ticks); s1=$(cat shown)
  echo "$1: $(((t1 - t0) * 100 / ticks_per_second / secs)) % of a core, $(((s1 - s0) / secs)) frames shown a second"
}

measure title
key Return; sleep 1; key F1; sleep 3
measure play
key s; sleep 0.5
measure paused
key s; sleep 0.3
key Escape
