// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The behaviour every window of the program shares, written once for every face, in one
// include: window descriptions (Description.h), the view a face implements (View.h), field
// texts and numbers (FieldText.h), the window base with its conventions (Form.h), input
// windows (InputWindow.h), result sheets and what they hand on (ResultSheet.h, Report.h), the
// printed report laid out for every face (ReportPage.h) and its date (SolarDate.h).

#include "Description.h"
#include "FieldText.h"
#include "Form.h"
#include "Heard.h"
#include "InputWindow.h"
#include "Report.h"
#include "ReportPage.h"
#include "ResultSheet.h"
#include "Rules.h"
#include "SolarDate.h"
#include "View.h"
