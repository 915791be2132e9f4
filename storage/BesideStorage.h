// SPDX-License-Identifier: GPL-3.0-or-later
// The state beside the records in the settings file: each part's group of
// text entries (engine/BesideGroups.h), read at start-up and written at
// exit together with the blocks.
#pragma once

class Config;

// Gives every part its group; a part whose group is missing or damaged
// falls back to its reset state.
void LoadBesideState(Config& config);

// Writes every part's entries into its group.
void SaveBesideState(Config& config);
