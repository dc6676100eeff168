#!/usr/bin/env bash
# Runs a test program on a D-Bus daemon of its own, which serves as both its
# session bus and its system bus, so that the test can speak for the desktop
# and for logind. Exits 77, which the test counts as skipped, when no
# dbus-run-session is installed.
set -euo pipefail

if ! command -v dbus-run-session >/dev/null; then
  echo "dbus-run-session is not installed; scripts/install-deps installs it"
  exit 77
fi

# shellcheck disable=SC2016 # expanded by the inner shell, inside the session
exec dbus-run-session -- bash -c 'DBUS_SYSTEM_BUS_ADDRESS=$DBUS_SESSION_BUS_ADDRESS exec "$@"' bash "$@"
