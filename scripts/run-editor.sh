#!/usr/bin/env bash
# Starts the main program of a build folder: the editor once it is built, else zelt-tool.
set -euo pipefail
build=$1; shift
if [ -x "$build/ui/zelt" ]; then
    exec "$build/ui/zelt" "$@"
fi
exec "$build/tools/zelt-tool" --help
