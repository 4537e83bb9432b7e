#!/usr/bin/env bash
# Starts the main program of a build folder: the editor once it is built, else zelt-tool.
set -euo pipefail
build=$1; shift
if [ -x "$build/bin/zelt" ]; then
    exec "$build/bin/zelt" "$@"
fi
exec "$build/bin/zelt-tool" --help
