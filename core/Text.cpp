// SPDX-License-Identifier: GPL-3.0-or-later
#include "Text.h"

#include <cstring>
#include <utility>

void AppendChar(char* s, char c)
{
    size_t n = std::strlen(s);
    s[n] = c;
    s[n + 1] = '\0';
}

void InsertChar(char* p, char c)
{
    std::memmove(p + 1, p, std::strlen(p) + 1);
    *p = c;
}

void DeleteChar(char* p)
{
    std::memmove(p, p + 1, std::strlen(p));
}

void ReverseString(char* s)
{
    for (size_t i = 0, j = std::strlen(s); i + 1 < j; ++i, --j)
        std::swap(s[i], s[j - 1]);
}
