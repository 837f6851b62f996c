# Sourced after wine-env.sh by the scripts that run Windows programs: a
# private Xvfb display and one Wine server for the whole run, both ended when
# the sourcing script exits.
lumenpath_display=""
for n in $(seq 90 130); do
  [ -e "/tmp/.X$n-lock" ] || { lumenpath_display=":$n"; break; }
done
Xvfb "$lumenpath_display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
lumenpath_xvfb_pid=$!
export DISPLAY="$lumenpath_display"
# A server left running by an earlier session belongs to another display.
wineserver -k >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1 || true
lumenpath_end_display() { wineserver -k >/dev/null 2>&1 || true; kill "$lumenpath_xvfb_pid" 2>/dev/null || true; }
trap lumenpath_end_display EXIT
sleep 1
