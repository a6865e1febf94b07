#!/usr/bin/env bash
# Puts the licence line at the top of every C++ source file that lacks it.
set -euo pipefail
cd "$(dirname "$0")/.."

line='// SPDX-License-Identifier: GPL-3.0-or-later'
git ls-files -- src engine tests bench tools | grep -E '\.(cpp|h)$' | while IFS= read -r file; do
    if ! grep -qF "SPDX-License-Identifier:" "$file"; then
        { printf '%s\n' "$line"; cat "$file"; } > "$file.spdx" && mv "$file.spdx" "$file"
        echo "$file"
    fi
done
