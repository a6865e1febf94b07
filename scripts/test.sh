#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the house format, builds the fuzz targets
# with clang and runs each briefly on its seed corpus, then builds everything
# with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/check-format.sh
bash scripts/fuzz.sh 3000
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DQUORVANTIX_SANITIZE=ON -DQUORVANTIX_TESTS=ON
cmake --build build-test --parallel "$(nproc)"
ctest --test-dir build-test --output-on-failure --parallel "$(nproc)"
