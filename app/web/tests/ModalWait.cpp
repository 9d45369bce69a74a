// SPDX-License-Identifier: GPL-3.0-or-later
// A handler that shows a box and goes on only once the box is closed, as every handler does on
// the desktop: Enter doubles the field's whole number, shown first in a box and written to the
// field after OK. A text that is no number reaches the general error box.
#include "FieldText.h"
#include "Form.h"

#include <emscripten.h>

#include <string>

namespace {

// Resumes once the page's box is closed; the handler's frames wait meanwhile (Asyncify).
EM_ASYNC_JS(void, ShowBox, (const char* caption, const char* text),
            { await Page.showBox(UTF8ToString(caption), UTF8ToString(text)); });

EM_JS(void, SetField, (const char* text), { Page.setField(UTF8ToString(text)); });

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void Entered(const char* text)
{
    try {
        const std::string doubled = Shell::IntText(2 * std::int64_t{Shell::StrToInt(text)});
        ShowBox("Information", doubled.c_str());
        SetField(doubled.c_str());
    } catch (const Shell::HandlerFailure& failure) {
        const Shell::Message box = Shell::GeneralErrorBox("ModalWait", failure.Message());
        ShowBox(box.caption.c_str(), box.text.c_str());
    }
}
