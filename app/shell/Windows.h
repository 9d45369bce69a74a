// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window of the program does alike: its icon, its frame and caption, where it
// stands on the screen, and the three kinds of window: the start dialog, the input windows
// and the result sheets; and Exit.

#include "Controls.h"
#include "Report.h"

#include <QDialog>
#include <QIcon>
#include <QPoint>
#include <QShowEvent>
#include <QSize>
#include <QString>
#include <QWidget>

#include <initializer_list>
#include <vector>

class QCloseEvent;
class QKeyEvent;
class QLabel;
class QPrinter;
class QPushButton;

namespace Shell {

// ---- The program on the desktop ---------------------------------------------------------

/// The program's icon (a snowflake over a compressor on a block of ice), drawn from the SVG
/// built into the program; null where Qt's SVG icon engine is missing.
QIcon ProgramIcon();

/// Gives every window the program's icon and tells the desktop which menu entry the windows
/// belong to. Call once, after the application object exists.
void InstallProgramIcon();

// ---- Placement --------------------------------------------------------------------------

/// Top-left corner that centres a window of `outer` size (frame included) on a screen of
/// `screen` size; halves truncate toward zero, so a window 3 pixels wider goes to -1.
QPoint CentredTopLeft(QSize screen, QSize outer);

/// Moves a top-level window to the centre of the primary screen by its outer size. Before a
/// window is first on the screen its frame is not known yet: the frame of a window shown
/// earlier stands in for it, and once the window system tells the real frame the window is
/// centred again, unless the frame turned out as assumed.
void CentreOnScreen(QWidget* window);

enum class TitleButtons { Close, MinimizeAndClose };

/// Caption, title-bar buttons, fixed client size, button-face background and the base font
/// of a window.
void SetUpWindow(QWidget* window, const QString& caption, QSize client, TitleButtons buttons = TitleButtons::Close);

// ---- Kinds of window --------------------------------------------------------------------

/// A window that centres itself on the screen each time it is shown (FormShow), and whose
/// focused control shows its focus mark from the start.
template <class Base>
class Centred : public Base {
public:
    using Base::Base;

protected:
    virtual void FormShow() { CentreOnScreen(this); }

    void showEvent(QShowEvent* event) override
    {
        // Runs before the window is mapped, so it appears in its place.
        if (!event->spontaneous()) FormShow();
        Base::showEvent(event);
        // The control that holds the focus shows it from the moment the window opens, not
        // only after the first Tab; showing a window clears this first.
        this->setAttribute(Qt::WA_KeyboardFocusChange);
    }
};

/// The program's main window, a dialog: closing it ends the program; Escape, which would
/// hide it and leave the program running unseen, does nothing.
class MainDialog : public Centred<QDialog> {
public:
    using Centred<QDialog>::Centred;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

/// A control of an input window with its caption and, where a second caption gives it, the
/// unit: "ظرفيت سالن" and "(کيلوگرم)" for the capacity field.
struct CaptionedInput {
    QWidget* control;
    QLabel* caption;
    const QLabel* unit = nullptr;
};

/// A non-modal input window. Its close box ends the program like Exit, so that no invisible
/// program keeps running; Enter presses the push button that holds the focus.
class InputWindow : public Centred<QWidget> {
public:
    using Centred<QWidget>::Centred;

    /// Every input not hidden, in the window's order: its caption (with the unit) and its
    /// value as the window shows it; what a sheet keeps of the run that filled it.
    QList<ReportLine> RunInputs() const;

protected:
    /// Names each control by its caption for a screen reader: an edit box by the caption's
    /// text with the unit, a list (which is named by its current value) by the labelled-by
    /// relation to its caption. Their order is that of RunInputs().
    void CaptionInputs(std::initializer_list<CaptionedInput> inputs);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<CaptionedInput> inputs_;
};

/// The face of a sheet's captions and values.
QFont SheetFont();

/// A result sheet: shown modally, centred on every showing; "بازگشت" (BitBtn1) and Enter
/// close it, Escape does nothing, the close box only hides it. Ctrl+C copies the sheet.
class ResultSheet : public Centred<QDialog> {
public:
    ResultSheet(const QString& caption, QSize client, QRect backButton, QWidget* parent = nullptr);
    /// Shows the sheet modally and returns when it is closed.
    void ShowModal();

    /// Keeps the inputs of the run that is filling the sheet, to copy and print them with it.
    void SetInputs(QList<ReportLine> inputs);

    /// The sheet as plain text: one line per input of the run that filled it, then one per
    /// row as the labels show it now, from top to bottom, each the caption, RowSeparator and
    /// the value; then one line per note. Lines end in a line feed.
    QString SheetText() const;
    /// Puts SheetText() on the clipboard, for pasting into a quotation or an e-mail (Ctrl+C).
    void CopySheet();

    /// What the printed report holds: the sheet's caption, today's date, the inputs, the rows,
    /// the notes and the load chart.
    ReportContent ReportOf() const;
    /// Prints the report on `printer`; a printer that fails is reported in the error box.
    void PrintReport(QPrinter& printer) const;
    /// Asks where to print through the standard print dialog, then prints there (Ctrl+P).
    void PrintSheet();

    /// Between caption and value. With the Persian caption first, a right-to-left mail
    /// shows the line as the sheet does: the caption on the right, its value to the left.
    static inline const QString RowSeparator = QStringLiteral(": ");

    QPushButton* BitBtn1 = nullptr;

protected:
    /// A row of the sheet: its centred caption in the sheet's face and `captionColour`, and
    /// the centred black value beside it, registered for copying in the order the rows are
    /// made, which is top to bottom.
    void AddRow(QLabel*& caption, const char* captionName, const QString& captionText, const QRect& captionBox,
                const QColor& captionColour, QLabel*& value, const char* valueName, const QRect& valueBox,
                const QFont& valueFont = SheetFont(), Reading valueReading = Reading::RightToLeft);
    /// A note line below the rows, read left to right at the right edge of its box, copied
    /// after the rows.
    QLabel* AddNote(const char* name, const QRect& box, const QFont& font);
    /// Writes a note; a note longer than its box grows to the left, keeping its right edge,
    /// and a shorter one takes its box again.
    void WriteNote(QLabel* note, const QString& text);

    /// The bars of the sheet's load chart: none unless a sheet draws one.
    virtual QList<ChartBar> LoadChart() const { return {}; }

    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Row {
        const QLabel* caption;
        const QLabel* value;
    };
    struct Note {
        QLabel* label;
        QRect box;  // as made
    };
    std::vector<Row> rows_;
    std::vector<Note> notes_;
    QList<ReportLine> inputs_;
};

/// Ends the program at once, without a question; nothing is saved.
void ExitProgram();

}  // namespace Shell
