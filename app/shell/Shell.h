// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The behaviour every window of the program shares, in one include: field texts and numbers
// (FieldText.h), controls and their look (Controls.h), window kinds and placement
// (Windows.h), message boxes and failures (Messages.h), the printed report (Report.h).

#include "Controls.h"
#include "FieldText.h"
#include "Messages.h"
#include "Report.h"
#include "Windows.h"
