// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "calc/fpmode.h"
#include "calc/numbers.h"

namespace {

// Every test starts with the point as decimal mark, whatever the test before it left, so that
// a test's verdict never depends on the order the tests run in.
class PointAsDecimalMark : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo &) override { calc::SetLocaleDecimalMark('.'); }
};

} // namespace

int main(int argc, char **argv)
{
    calc::LoadFloatingPointMode();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new PointAsDecimalMark);
    return RUN_ALL_TESTS();
}
