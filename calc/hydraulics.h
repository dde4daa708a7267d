// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/backend.h"
#include "calc/working.h"

namespace calc::inline VARNELO_CALC_BACKEND {

// Mean velocity (m/s, 6 decimals) of a flow in l/min through a pipe of inner diameter d in metres.
double funskorost(double flow, double diameter);

// Friction head loss (m, 4 decimals) of a straight pipe: roughness mm, viscosity mm²/s,
// flow l/min, inner diameter mm, length m.
double formul(double roughness, double viscosity, double flow, double diameter, double length);

// `formul` with the values it works out on the way (same arguments, same head).
FrictionWorking FrictionOf(double roughness, double viscosity, double flow, double diameter,
                           double length);

// Local head loss (m, 4 decimals): flow l/min, inner diameter mm, loss coefficient.
double formulkms(double flow, double diameter, double zeta);

// base ^ exponent as exp(exponent * ln base).
double stepen(double base, double exponent);

// Rounds to 4 decimals; a value that cannot be rounded comes back unchanged.
double mintoch(double value);

} // namespace calc
