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
