// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "adjust/step_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace arcwright {
namespace {

constexpr StepButton kUp4{0.25, true}, kUp8{0.125, true}, kUp16{0.0625, true}, kUp32{0.03125, true};
constexpr StepButton kDown4{0.25, false}, kDown8{0.125, false}, kDown16{0.0625, false},
    kDown32{0.03125, false};
constexpr auto kW = AdjustTarget::BoardWidth;
constexpr auto kT = AdjustTarget::BoardThickness;
constexpr auto kH = AdjustTarget::BladeHeight;

enum Flags { kNone = 0, kWarn = 1, kLock = 2 };

struct StepCase {
    const char* name;
    StepButton button;
    AdjustTarget target;
    double width, thickness, blade;
    const char* text;  // nullptr: refused
    int flags = kNone;
};

class StepDecisionTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepDecisionTest, FollowsTheShopLimits) {
    const StepCase& c = GetParam();
    const StepDecision d = decideStep(c.button, c.target, c.width, c.thickness, c.blade);
    EXPECT_EQ(d.newText.value_or("<refused>"), c.text ? c.text : "<refused>");
    EXPECT_EQ(d.showBladeWarning, (c.flags & kWarn) != 0);
    EXPECT_EQ(d.disableScrollBar, (c.flags & kLock) != 0);
    // Every "+" and the 1/4 "-" free the angle scroll bar, refused or not.
    EXPECT_EQ(d.enableScrollBar, c.button.up || c.button.step == 0.25);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, StepDecisionTest,
    ::testing::Values(
        StepCase{"Width5_875_Up4_Over6", kUp4, kW, 5.875, .75, .5, nullptr},
        StepCase{"Width5_875_Up8_Reaches6", kUp8, kW, 5.875, .75, .5, "6.0 in."},
        StepCase{"Width6_Up32", kUp32, kW, 6, .75, .5, nullptr},
        StepCase{"Width2_25_Down4_Reaches2", kDown4, kW, 2.25, .75, .5, "2.0 in."},
        StepCase{"Width2_0625_Down4_Under2", kDown4, kW, 2.0625, .75, .5, nullptr},
        StepCase{"Width2_0625_Down8_SlipsUnder2", kDown8, kW, 2.0625, .75, .5, "1.9375 in."},
        StepCase{"Width1_9375_Down4", kDown4, kW, 1.9375, .75, .5, nullptr},
        StepCase{"Width1_9375_Down8", kDown8, kW, 1.9375, .75, .5, nullptr},
        StepCase{"Width1_9375_Down16", kDown16, kW, 1.9375, .75, .5, nullptr},
        StepCase{"Width1_9375_Down32", kDown32, kW, 1.9375, .75, .5, nullptr},
        StepCase{"Width2_Down32", kDown32, kW, 2, .75, .5, nullptr},
        StepCase{"Width4_Up16_FourDecimals", kUp16, kW, 4, .75, .5, "4.0625 in."},
        StepCase{"EmptyWidth_Down4", kDown4, kW, 0, .75, .5, nullptr},
        StepCase{"EmptyWidth_Down8", kDown8, kW, 0, .75, .5, nullptr},
        StepCase{"EmptyWidth_Down16", kDown16, kW, 0, .75, .5, nullptr},
        StepCase{"EmptyWidth_Down32", kDown32, kW, 0, .75, .5, nullptr},
        StepCase{"EmptyWidth_Up4", kUp4, kW, 0, .75, .5, "0.25 in."},
        StepCase{"Thickness1_875_Up8_Reaches2", kUp8, kT, 4, 1.875, .5, "2.0 in."},
        StepCase{"Thickness2_Up4", kUp4, kT, 4, 2, .5, nullptr},
        StepCase{"Thickness2_Up8", kUp8, kT, 4, 2, .5, nullptr},
        StepCase{"Thickness2_Up16", kUp16, kT, 4, 2, .5, nullptr},
        StepCase{"Thickness2_Up32", kUp32, kT, 4, 2, .5, nullptr},
        StepCase{"Thickness_75_Down32_BladeHigh", kDown32, kT, 4, .75, .5, nullptr, kWarn | kLock},
        StepCase{"Thickness1_Down4_QuarterLeft", kDown4, kT, 4, 1, .5, "0.75 in."},
        // A negative thickness is turned away before the blade is looked at.
        StepCase{"NegativeThickness_Down8_Silent", kDown8, kT, 4, -.5, .5, nullptr},
        // Typed decimals: H + 0.25 against T - s decides these two, other groupings would not.
        StepCase{"Typed_7Over_2_Down4", kDown4, kT, 4, .7, .2, nullptr, kWarn | kLock},
        StepCase{"Typed_6Over_1_Down4", kDown4, kT, 4, .6, .1, "0.35 in."},
        StepCase{"Blade_5_Up32_BladeHigh", kUp32, kH, 4, .75, .5, nullptr, kWarn},
        StepCase{"Blade_375_Up8_QuarterLeft", kUp8, kH, 4, .75, .375, "0.5"},
        StepCase{"Blade_25_Up32_Bare", kUp32, kH, 4, 1, .25, "0.28125"},
        StepCase{"Blade_03125_Down32_ToZero", kDown32, kH, 4, .75, .03125, "0.0 in."},
        StepCase{"Blade_25_Down4_ToZero", kDown4, kH, 4, .75, .25, "0"},
        StepCase{"Blade_1_Down8_BelowZero", kDown8, kH, 4, .75, .1, nullptr},
        StepCase{"Blade_5_Down8_Bare", kDown8, kH, 4, .75, .5, "0.375"},
        StepCase{"Blade_5_Down16_WithUnit", kDown16, kH, 4, .75, .5, "0.4375 in."},
        // Typed decimals: T - (H + s) refuses the first and passes the second.
        StepCase{"Typed_7Over_2_Up4", kUp4, kH, 4, .7, .2, nullptr, kWarn},
        StepCase{"Typed_95Over_45_Up4", kUp4, kH, 4, .95, .45, "0.7"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace arcwright
