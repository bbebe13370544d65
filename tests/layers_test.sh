#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Each layer includes only itself and what lies below it:
#   core <- schemes <- window <- app;  schemes <- cli, web, python, databases
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
status=0
check() {
  local layer=$1 allowed=$2
  [ -d "$root/$layer" ] || return 0
  local bad
  bad=$(grep -rnE '^#include "[^"]+"' "$root/$layer" --include='*.h' --include='*.cpp' |
        grep -vE "#include \"($allowed)/" || true)
  if [ -n "$bad" ]; then
    echo "$layer includes from a layer above it or beside it:"
    echo "$bad"
    status=1
  fi
}
check core 'core'
check schemes 'core|schemes'
check window 'core|schemes|window'
check cli 'core|schemes|cli'
check app 'core|schemes|window|app'
check web 'core|schemes|web'
check python 'core|schemes|python'
check databases 'core|schemes|databases'
exit $status
