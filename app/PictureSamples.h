// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run each calculator's pictures show, for the picture renderers of every face: the
// texts typed into its input window and the names its pictures are saved under.

#include "ProgramWindows.h"

#include <string_view>
#include <utility>
#include <vector>

struct PictureSample {
    std::string_view calculator;
    // The input window's picture; its sheet's adds "-results", its printed report's "-report".
    std::string_view picture;
    std::vector<std::pair<std::string_view, std::string_view>> fields;  // control, text typed
    bool report = false;
};

/// The sample of an input window's calculator; a calculator without one is pictured with its
/// window's defaults, under the window's name.
inline PictureSample SampleOf(const ProgramWindow& input)
{
    const PictureSample samples[] = {
        // A 10 x 5 x 3 m chilled-meat room taking 1000 kg a day, with its printed report.
        {ColdRoomCalculator, "cold-room", {{"Edit2", "10"}, {"Edit3", "5"}, {"Edit4", "3"}, {"Edit1", "1000"}}, true},
        // A 10000-litre tank with the other inputs at their defaults.
        {IceBankCalculator, "ice-bank", {{"Edit1", "10000"}}},
    };
    for (const PictureSample& sample : samples)
        if (sample.calculator == input.calculator) return sample;
    return {input.calculator, input.Name(), {}, false};
}
