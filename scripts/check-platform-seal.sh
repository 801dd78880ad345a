#!/usr/bin/env bash
# Fails when Qt or the system headers that the platform layer wraps are included outside src/Platform.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
if found=$(grep -rnE '#\s*include\s*<(Q[A-Za-z]*|unistd\.h|malloc\.h|fcntl\.h)>' src --include='*.h' --include='*.cpp' \
    | grep -v '^src/Platform/'); then
  echo "Only src/Platform may include these headers:" >&2
  echo "$found" >&2
  exit 1
fi
# The calendar has one rule for summer time, so only the date module asks the C library for local time.
if found=$(grep -rnE '<ctime>|<time\.h>|\b(localtime|localtime_r|gmtime|gmtime_r|mktime|timegm|strftime)\s*\(|\bstd::time\s*\(' \
    src --include='*.h' --include='*.cpp' | grep -v '^src/Platform/Calendar\.cpp:'); then
  echo "Only src/Platform/Calendar.cpp may convert times to calendar dates:" >&2
  echo "$found" >&2
  exit 1
fi
