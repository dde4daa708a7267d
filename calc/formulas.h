// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The hydraulic formulas as the core's own calculations call them: inside a calculation that
// already holds the mode (calc/fpmode.h), without opening a scope of their own on each of the
// sizing run's hundred calls. Callers outside the core use calc/hydraulics.h.

#include "calc/backend.h"
#include "calc/working.h"

namespace calc::inline VARNELO_CALC_BACKEND::formulas {

double funskorost(double flow, double diameter);
double formulkms(double flow, double diameter, double zeta);
FrictionWorking FrictionOf(double roughness, double viscosity, double flow, double diameter,
                           double length);
double stepen(double base, double exponent);
double mintoch(double value);

} // namespace calc::inline VARNELO_CALC_BACKEND::formulas
