// SPDX-License-Identifier: GPL-3.0-or-later
// The version of the build, from the project's version in CMake.
#pragma once

extern const char ProgramVersion[];
