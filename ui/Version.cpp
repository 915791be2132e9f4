// SPDX-License-Identifier: GPL-3.0-or-later
#include "Version.h"

#ifndef TOVRIN_VERSION
#error "the build gives the project's version as TOVRIN_VERSION"
#endif

const char ProgramVersion[] = TOVRIN_VERSION;
