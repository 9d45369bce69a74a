// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A calculator's working window: non-modal, ended by Exit or its close box, and the source
// of the inputs a result sheet keeps from the run that filled it.

#include "Form.h"
#include "Report.h"

#include <vector>

namespace Shell {

class InputWindow : public Form {
public:
    using Form::Form;

    /// Every input not hidden, in the description's order: its caption (with the unit) and its
    /// value as the window shows it.
    std::vector<ReportLine> RunInputs() const;
};

/// An input's caption as a copy and a screen reader give it: the caption's text, then the
/// unit's, without their outer blanks.
std::string InputCaption(const View& view, const CaptionedInput& input);

}  // namespace Shell
