// SPDX-License-Identifier: GPL-3.0-or-later
// Small text helpers shared by number entry and formatting.  None checks
// capacity: the caller guarantees room.
#pragma once

void AppendChar(char* s, char c);
void InsertChar(char* p, char c);
void DeleteChar(char* p);
void ReverseString(char* s);
