// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Controls found by their names while a test or a picture tool runs, so that a test can drive
// a window as its user's names for it read. The program itself names controls only through
// handles checked when it is built.

#include "Shell.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ShellTesting {

/// The control of that name in a window's description, if it holds one.
inline std::optional<Shell::ControlId> FindControl(const Shell::WindowDescription& window, std::string_view name)
{
    for (std::size_t i = 0; i < window.controls.size(); ++i)
        if (window.controls[i].name == name) return Shell::ControlId::At(window.controls, i);
    return std::nullopt;
}

/// The control of that name in a form's window; throws std::invalid_argument where it has none.
inline Shell::ControlId ControlNamed(const Shell::Form& form, std::string_view name)
{
    if (const auto control = FindControl(form.Description(), name)) return *control;
    throw std::invalid_argument(std::string(form.Description().name) + " has no control " + std::string(name));
}

}  // namespace ShellTesting
