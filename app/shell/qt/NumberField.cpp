// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberField.h"

#include "Look.h"
#include "QtText.h"
#include "ShellTexts.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <memory>

namespace QtFace {

NumberEdit::NumberEdit(QWidget* parent, const Shell::Control& control)
    : QLineEdit(parent), typingLimit_(control.maxLength), font_(FontOf(control.role))
{
    setObjectName(Qs(control.name));
    setGeometry(control.box.left, control.box.top, control.box.width, control.box.height);
    setFont(font_);
    setMaxLength(typingLimit_);
    // After the program wrote a longer text, the limit follows the text down as the user
    // deletes, so typing never makes it longer than it is.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (maxLength() > typingLimit_) setMaxLength(std::max<int>(typingLimit_, int(text.size())));
    });
    // A box that shows only part of its number shows a wrong number.
    connect(this, &QLineEdit::textChanged, this, &NumberEdit::FitText);
}

int NumberEdit::TextRoom() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    // QLineEdit keeps 2 pixels free on either side of its text, and the cursor takes one.
    return contents.width() - 2 * 2 - 1;
}

void NumberEdit::FitText()
{
    QFont font = font_;
    const int room = TextRoom();
    while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(text()) > room)
        font.setPixelSize(font.pixelSize() - 1);
    if (font != this->font()) setFont(font);
}

void NumberEdit::WriteText(const QString& text)
{
    // The limit fits the written text, so that typing never makes it longer than it is.
    setMaxLength(std::max(typingLimit_, int(text.size())));
    setText(text);
}

void NumberEdit::contextMenuEvent(QContextMenuEvent* event)
{
    // Qt's own menu, in Persian and without the shortcuts it writes after each command.
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    const std::pair<const char*, std::string_view> commands[] = {
        {"edit-undo", Shell::Texts::Undo},   {"edit-redo", Shell::Texts::Redo},
        {"edit-cut", Shell::Texts::Cut},     {"edit-copy", Shell::Texts::Copy},
        {"edit-paste", Shell::Texts::Paste}, {"edit-delete", Shell::Texts::Delete},
        {"select-all", Shell::Texts::SelectAll}};
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        const auto command = std::find_if(std::begin(commands), std::end(commands), [action](const auto& known) {
            return action->objectName() == QLatin1String(known.first);
        });
        if (command == std::end(commands)) {
            menu->removeAction(action);  // what a number field has no use for
            continue;
        }
        action->setText(Qs(command->second));
        action->setShortcut({});
    }
    menu->setFont(FontOf(Shell::Role::Button));
    menu->setLayoutDirection(Qt::RightToLeft);
    menu->exec(event->globalPos());
}

}  // namespace QtFace
