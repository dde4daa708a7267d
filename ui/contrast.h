// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// The contrast ratio of two colours as the Web Content Accessibility Guidelines (WCAG 2)
// measure it, from 1:1 (the same luminance) to 21:1 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);

// The least ratio WCAG 2 asks of text of ordinary size (level AA).
inline constexpr double kReadableContrast = 4.5;
