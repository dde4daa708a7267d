// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "calc/backend.h"

namespace calc::inline VARNELO_CALC_BACKEND {

// Caption of the error report, made from an executable's path: directory removed, name cut
// before its first ".", everything after the first character in lower case.
std::string ApplicationTitle(std::string_view executablePath);

} // namespace calc
