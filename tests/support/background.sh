# Sourced by the scripts that run a test beside a server of their own: a
# scratch folder ($work) and one process in the background ($background),
# both gone when the script exits.
work=$(mktemp -d)
background=
stop_background() {
  if [[ -n $background ]]; then
    kill "$background" 2>/dev/null || true
    wait "$background" 2>/dev/null || true
  fi
  background=
}
trap 'stop_background; rm -rf "$work"' EXIT
