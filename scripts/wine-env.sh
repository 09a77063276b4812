#!/usr/bin/env bash
# Starts or stops the test run's own virtual display and Wine prefix.
#   wine-env.sh start DIR   make DIR/prefix (once) and start Xvfb; writes DIR/env
#   wine-env.sh stop DIR    end this prefix's wineserver and this run's Xvfb, by pid
set -euo pipefail
cmd=$1
dir=$(realpath -m "$2")
mkdir -p "$dir"
export WINEPREFIX="$dir/prefix"
export WINEDEBUG=-all
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

case "$cmd" in
start)
  # A display this run started before is kept: starting twice leaks nothing.
  if [ -f "$dir/xvfb.pid" ] && kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null && [ -f "$dir/env" ]; then
    exit 0
  fi
  # A free display number: the first without a lock file.
  n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
  echo $! >"$dir/xvfb.pid"
  for _ in $(seq 100); do
    DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  export DISPLAY=":$n"
  cat >"$dir/env" <<ENV
export WINEPREFIX="$WINEPREFIX"
export WINEDEBUG=-all
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8
export DISPLAY=":$n"
ENV
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # No Mono or Gecko downloads: the tests need neither.
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >"$dir/wineboot.log" 2>&1
  fi
  if [ ! -f "$dir/unmanaged" ]; then
    # Without a window manager Wine waits 2 s for every managed window that is
    # hidden; unmanaged windows need no such wait.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    touch "$dir/unmanaged"
  fi
  ;;
stop)
  wineserver -k 2>/dev/null || true
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true
    rm -f "$dir/xvfb.pid"
  fi
  ;;
*)
  echo "usage: $0 start|stop DIR" >&2
  exit 2
  ;;
esac
