#!/bin/sh
# Runs a browser test command. Now and then, on a busy machine, WebKitGTK's
# browser goes away under its driver in the middle of a run (WebKitWebDriver:
# "session deleted because of page crash or hang"): the run is then made once
# more, in a new browser, and says so. Any other failure stands.
log=$(mktemp)
"$@" >"$log" 2>&1
status=$?
cat "$log"
if [ "$status" -ne 0 ] && grep -q "page crash or hang" "$log"; then
  echo "again_if_webkit_quits: the browser went away under its driver; once more:"
  "$@"
  status=$?
fi
rm -f "$log"
exit "$status"
