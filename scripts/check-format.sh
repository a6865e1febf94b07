#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the C++ sources follow .clang-format; lists every line that
# does not and fails when there is one. Changes nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

git ls-files -- src engine tests bench tools | grep -E '\.(cpp|h)$' \
    | xargs clang-format --style=file --dry-run --Werror
