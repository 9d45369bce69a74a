// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberField.h"

#include "Look.h"
#include "QtText.h"
#include "ShellTexts.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

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
    QMenu menu(this);
    const auto command = [&menu, this](std::string_view text, bool enabled, auto run) {
        QAction* action = menu.addAction(Qs(text), this, run);
        action->setEnabled(enabled);
    };
    const bool selected = hasSelectedText();
    command(Shell::Texts::Undo, isUndoAvailable(), &QLineEdit::undo);
    command(Shell::Texts::Redo, isRedoAvailable(), &QLineEdit::redo);
    menu.addSeparator();
    command(Shell::Texts::Cut, selected, &QLineEdit::cut);
    command(Shell::Texts::Copy, selected, &QLineEdit::copy);
    command(Shell::Texts::Paste, !QGuiApplication::clipboard()->text().isEmpty(), &QLineEdit::paste);
    command(Shell::Texts::Delete, selected, &QLineEdit::del);
    menu.addSeparator();
    command(Shell::Texts::SelectAll, !text().isEmpty(), &QLineEdit::selectAll);
    menu.setFont(FontOf(Shell::Role::Button));
    menu.setLayoutDirection(Qt::RightToLeft);
    menu.exec(event->globalPos());
}

}  // namespace QtFace
