// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "calc/fpmode.h"

int main(int argc, char **argv)
{
    calc::LoadFloatingPointMode();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
