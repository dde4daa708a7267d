// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "calc/backend.h"

namespace calc::inline VARNELO_CALC_BACKEND {

// Keeps only what can form a number (digits, "-", "E", "e" and the first decimal mark),
// gives "0" for nothing, and picks "," or "." as the mark that the current conversion accepts.
std::string provercifr(std::string text);

// Replaces every occurrence of `search` in `text`, each time searching again from the start.
// A replacement that holds the search text is put in once per occurrence, in one pass.
std::string substr(std::string search, std::string replacement, std::string text);

} // namespace calc
