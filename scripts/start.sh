#!/usr/bin/env bash
# Builds Zephyra and starts the editor on the sample sign (or on the given file).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
file="${1:-build/bin/WORK/sale-sign.zep}"
exec build/bin/zephyra "$file"
