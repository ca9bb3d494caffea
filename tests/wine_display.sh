# Sourced by the Wine tests: a private X server as DISPLAY, which ends with
# the test, and Wine's server with it.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x300x24 -nolisten tcp 2>/dev/null &
xvfb=$!
trap 'wineserver -k 2>/dev/null; kill $xvfb' EXIT
read -r -u "$display_fd" display
export DISPLAY=":$display"
