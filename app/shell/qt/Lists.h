// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pick-only drop-down lists as the descriptions give them.

#include "Description.h"
#include "Rules.h"

#include <QComboBox>

#include <functional>

namespace QtFace {

/// A pick-only drop-down list. Its items read right to left and stand at the right edge,
/// closed and open, in rows as high and as many as the shell's list rules say, with a scroll
/// bar where it holds more. A wheel notch over the list changes it only while it has the
/// focus, so that no choice changes in passing. Its current item is its accessible
/// description too. PageUp and PageDown move by the open list's rows, and typing seeks the
/// first item that starts with what was typed, as the rules say, closed and open; Qt's own
/// pages are a row shorter, and its search goes on from the current item.
class FixedList : public QComboBox {
public:
    FixedList(QWidget* parent, const Shell::Control& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void showPopup() override;

private:
    /// Moves from row `from` to where the rules say the key goes, through `to`; false for a key
    /// left to Qt.
    bool Move(const QKeyEvent& event, int from, const std::function<void(int row)>& to);

    Shell::TypeAhead seeking_;
};

}  // namespace QtFace
