// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number fields: edit boxes for whole numbers with a typing limit, whose whole number always
// shows.

#include "Description.h"

#include <QClipboard>
#include <QFont>
#include <QLineEdit>

namespace QtFace {

/// An edit box for whole numbers whose typed text is limited to the description's number of
/// characters. Text written by the program, and text the user pastes or drops, is taken whole,
/// even when it is longer. The box always shows its whole text: a text too wide for the box is
/// drawn smaller. Taking the focus, it selects its whole text, as the rules say. Its context menu is Persian, read
/// right to left, and shows no shortcut, since the digit filter drops the characters that Ctrl keys type.
class NumberEdit : public QLineEdit {
public:
    NumberEdit(QWidget* parent, const Shell::Control& control);
    /// Replaces the text with `text`, whatever its length.
    void WriteText(const QString& text);
    /// The width, in pixels, that the box has for its text.
    int TextRoom() const;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FitText();
    /// Every paste comes here: the menu's, the keyboard's and the X selection's.
    void Paste(const QString& pasted);
    void PasteFrom(QClipboard::Mode mode);

    int typingLimit_;
    bool pressGaveFocus_ = false;  // the pointer's press now coming brought the focus
    QFont font_;                   // as given; FitText() draws smaller where the text needs it
};

}  // namespace QtFace
