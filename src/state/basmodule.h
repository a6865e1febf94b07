// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's fixed values shared by its parts. What the window changes
// while it runs lives in its state (MainState), not here.
namespace basModule {

// The date part of the version text of the About box.
inline constexpr char VersionDate[] = "04_19_2011";

} // namespace basModule
