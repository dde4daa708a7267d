// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every public name of the calculation core.
#include "calc/apptitle.h"
#include "calc/cleaning.h"
#include "calc/designdata.h"
#include "calc/errors.h"
#include "calc/fpmode.h"
#include "calc/hydraulics.h"
#include "calc/numbers.h"
#include "calc/sizing.h"
#include "calc/working.h"
