// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/webaddresses.h"  // generated: the eight addresses, set at configure time

#include <QString>

// Hands a web address to the desktop's "open" action, which shows it in the default browser.
// Returns at once; success and failure are treated alike, and nothing is reported.
void OpenWebAddress(const QString &address);
