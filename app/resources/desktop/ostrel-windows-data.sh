#!/bin/sh
# The launcher entry's command. Reading disks and cards needs administrator
# rights: polkit grants them (pkexec asks for the password, under the action
# installed beside the entry, which lets the program use the user's display).
# Without pkexec, or when the request is declined, the program starts as the
# user: it then lists the devices it cannot read, marked, and says how to get
# access.
program=$(dirname "$(readlink -f "$0")")/OstrelWindowsData
if [ "$(id -u)" -ne 0 ] && command -v pkexec >/dev/null 2>&1; then
  pkexec "$program" "$@"
  status=$?
  # 126: the user dismissed the request; 127: not authorised, or no agent to ask.
  [ "$status" -ne 126 ] && [ "$status" -ne 127 ] && exit "$status"
fi
exec "$program" "$@"
