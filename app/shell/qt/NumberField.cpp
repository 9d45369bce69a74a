// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberField.h"

#include "Look.h"
#include "QtText.h"
#include "Rules.h"
#include "ShellTexts.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QStyle>
#include <QStyleOptionFrame>

#include <utility>

namespace QtFace {

namespace {

// The characters a text holds, as the shell counts them: a character outside the Basic
// Multilingual Plane is two of Qt's.
std::size_t Characters(const QString& text) { return std::size_t(text.toUcs4().size()); }

}  // namespace

NumberEdit::NumberEdit(QWidget* parent, const Shell::Control& control)
    : QLineEdit(parent), typingLimit_(control.maxLength), font_(FontOf(control.role))
{
    setObjectName(Qs(control.name));
    setGeometry(control.box.left, control.box.top, control.box.width, control.box.height);
    setFont(font_);
    setMaxLength(typingLimit_);
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        setMaxLength(Shell::LimitAfterEditing(typingLimit_, maxLength(), int(text.size())));
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
    font.setPixelSize(Shell::FittingHeight(font_.pixelSize(), TextRoom(), [this](int height) {
        QFont at = font_;
        at.setPixelSize(height);
        return QFontMetrics(at).horizontalAdvance(text());
    }));
    if (font != this->font()) setFont(font);
}

void NumberEdit::WriteText(const QString& text)
{
    setMaxLength(Shell::LimitAfterWriting(typingLimit_, int(text.size())));
    setText(text);
}

void NumberEdit::Paste(const QString& pasted)
{
    const QString before = text();
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const QString after =
        Qs(Shell::PastedText(Utf8(before), Characters(before.left(start)), Characters(selectedText()), Utf8(pasted)));
    setMaxLength(Shell::LimitAfterWriting(typingLimit_, int(after.size())));
    // One step the user can undo, which the window hears as an edit.
    selectAll();
    insert(after);
    setCursorPosition(start + int(pasted.size()));
}

void NumberEdit::PasteFrom(QClipboard::Mode mode)
{
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    if (!pasted.isEmpty()) Paste(pasted);
}

void NumberEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Whichever way the focus comes to the field (Tab, the pointer, the program), the whole
    // text shows selected. The focus coming back with its window, from the field's own menu, a
    // box or another program, leaves the field as the user left it, as Qt does.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
    selectAll();
    pressGaveFocus_ = event->reason() == Qt::MouseFocusReason;
}

void NumberEdit::mousePressEvent(QMouseEvent* event)
{
    // The press that brought the focus leaves the text selected; a press in a field that held
    // it puts the caret where it points, as Qt does.
    const bool heldFocus = !std::exchange(pressGaveFocus_, false);
    if (event->button() == Qt::LeftButton && Shell::WhatPressDoes(heldFocus) == Shell::FieldPress::SelectWhole) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void NumberEdit::keyPressEvent(QKeyEvent* event)
{
    // The keys that paste and type no character, such as Shift+Insert: the digit filter
    // drops Ctrl+V's character before the box sees it.
    if (event->matches(QKeySequence::Paste)) {
        PasteFrom(QClipboard::Clipboard);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the text last selected anywhere on an X display.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        PasteFrom(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void NumberEdit::dropEvent(QDropEvent* event)
{
    // A text dropped from elsewhere is a paste, and is taken whole as one; Qt inserts it.
    if (event->source() != this && event->mimeData()->hasText())
        setMaxLength(Shell::LimitAfterWriting(typingLimit_, int(text().size() + event->mimeData()->text().size())));
    QLineEdit::dropEvent(event);
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
    command(Shell::Texts::Paste, !QGuiApplication::clipboard()->text().isEmpty(),
            [this] { PasteFrom(QClipboard::Clipboard); });
    command(Shell::Texts::Delete, selected, &QLineEdit::del);
    menu.addSeparator();
    command(Shell::Texts::SelectAll, !text().isEmpty(), &QLineEdit::selectAll);
    LookOfMenu(menu);
    menu.exec(event->globalPos());
}

}  // namespace QtFace
