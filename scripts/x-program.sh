# Sourced by the scripts that watch zentory.exe's windows on an X display
# (run-program, screenshots). Needs xwininfo.

# program_window SIZE: the id of a mapped window of zentory.exe whose size
# is SIZE (WIDTHxHEIGHT), or nothing.
program_window() {
  local id
  for id in $(xwininfo -root -tree 2>/dev/null |
      awk -v size=" $1+" 'index($0, "\"zentory.exe\"") && index($0, size) { print $1 }'); do
    if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      echo "$id"
      return
    fi
  done
}

# wait_for_window SIZE SECONDS PID: waits until program_window SIZE finds
# one and prints its id; fails when the process PID ends or time runs out.
wait_for_window() {
  local id deadline=$((SECONDS + $2))
  while [ $SECONDS -lt $deadline ] && kill -0 "$3" 2>/dev/null; do
    id=$(program_window "$1")
    if [ -n "$id" ]; then
      echo "$id"
      return
    fi
    sleep 0.05
  done
  return 1
}

# end_program PID: ends the Windows process started as PID and waits for it.
# Only this process: other people's programs may share the Wine prefix.
end_program() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
