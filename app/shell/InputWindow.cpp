// SPDX-License-Identifier: GPL-3.0-or-later
#include "InputWindow.h"

namespace Shell {

std::string InputCaption(const View& view, const CaptionedInput& input)
{
    std::string caption(Trimmed(view.Text(input.caption)));
    if (input.unit) {
        const std::string unit = view.Text(*input.unit);
        caption += ' ';
        caption += Trimmed(unit);
    }
    return caption;
}

std::vector<ReportLine> InputWindow::RunInputs() const
{
    std::vector<ReportLine> lines;
    for (const CaptionedInput& input : Description().inputs)
        if (!Window().Hidden(input.control))
            lines.push_back({InputCaption(Window(), input), Window().Text(input.control)});
    return lines;
}

}  // namespace Shell
