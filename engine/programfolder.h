// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace engine {

// The folder of the running program (where the catalogue lies), found from
// the system and, failing that, from argv[0]; empty when neither works.
std::filesystem::path programFolder(const char *argv0);

} // namespace engine
