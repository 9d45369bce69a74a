#pragma once
// Behaviour that every window of the program shares: placement, digit-only entry, fixed
// lists, message boxes, failures that escape a handler, number texts, result sheets, Exit,
// the program's icon and banners drawn for the screen's pixel ratio.

#include <QColor>
#include <QComboBox>
#include <QDialog>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

class QKeyEvent;
class QPushButton;
class QRect;

namespace Shell {

/// The program's title: the start dialog's caption, also the caption of the general error box.
extern const QString ProgramTitle;

// ---- Fonts and colours ------------------------------------------------------------------

inline constexpr char FaceMitra[] = "B Mitra";        // buttons, captions
inline constexpr char FaceMorvarid[] = "B Morvarid";  // edit fields, lists, sheet texts
inline constexpr char FaceComic[] = "Comic Sans MS";  // compressor model
inline constexpr char FaceArial[] = "Arial";          // refrigerant notes
inline constexpr char FaceSansSerif[] = "MS Sans Serif";  // every window's base font

inline const QColor Red{0xFF, 0x00, 0x00};
inline const QColor Maroon{0x80, 0x00, 0x00};
inline const QColor Black{0x00, 0x00, 0x00};

/// The freely licensed face that stands in for both Persian faces where they are missing.
inline constexpr char PersianSubstitute[] = "Lateef";

/// Maps the program's faces to freely licensed ones for machines that lack them; an
/// installed face of the program's own name is still preferred. Runs once; MakeFont calls it.
void InstallFontSubstitutes();

/// A font of the given face at a character height in pixels (3 more where Lateef stands in
/// for a Persian face).
QFont MakeFont(const char* face, int pixelHeight, bool bold = false, bool italic = false);

// ---- The program on the desktop ---------------------------------------------------------

/// The program's icon (a snowflake over a compressor on a block of ice), drawn from the SVG
/// built into the program; null where Qt's SVG icon engine is missing.
QIcon ProgramIcon();

/// Gives every window the program's icon and tells the desktop which menu entry the windows
/// belong to. Call once, after the application object exists.
void InstallProgramIcon();

// ---- Windows ----------------------------------------------------------------------------

/// Top-left corner that centres a window of `outer` size (frame included) on a screen of
/// `screen` size; halves truncate toward zero, so a window 3 pixels wider goes to -1.
QPoint CentredTopLeft(QSize screen, QSize outer);

/// Moves a top-level window to the centre of the primary screen by its outer size. Before a
/// window is first on the screen its frame is not known yet: the frame of a window shown
/// earlier stands in for it, and once the window system tells the real frame the window is
/// centred again, unless the frame turned out as assumed.
void CentreOnScreen(QWidget* window);

/// Caption, fixed client size, button-face background and the base font of a window.
/// `minimizeBox` adds a minimise button to the close button.
void SetUpWindow(QWidget* window, const QString& caption, QSize client, bool minimizeBox = false);

/// A non-modal input window: centred every time it is shown; its close box ends the
/// program like Exit, so that no invisible program keeps running.
/// Enter presses the push button that holds the focus.
class InputWindow : public QWidget {
public:
    explicit InputWindow(QWidget* parent = nullptr);

protected:
    virtual void FormShow();
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

/// A result sheet: shown modally, centred on every showing; "بازگشت" (BitBtn1) and Enter
/// close it, Escape does nothing, the close box only hides it. Ctrl+C copies the sheet.
class ResultSheet : public QDialog {
public:
    ResultSheet(const QString& caption, QSize client, QRect backButton, QWidget* parent = nullptr);
    /// Shows the sheet modally and returns when it is closed.
    void ShowModal();

    /// The sheet as plain text, as the labels show it now: one line per row from top to
    /// bottom, the caption, RowSeparator and the value; then one line per note. Lines end
    /// in a line feed.
    QString SheetText() const;
    /// Puts SheetText() on the clipboard, for pasting into a quotation or an e-mail.
    void CopySheet() const;

    /// Between caption and value. With the Persian caption first, a right-to-left mail
    /// shows the line as the sheet does: the caption on the right, its value to the left.
    static inline const QString RowSeparator = QStringLiteral(": ");

    QPushButton* BitBtn1 = nullptr;

protected:
    using Row = std::pair<const QLabel*, const QLabel*>;  // caption, value
    /// Names the rows that SheetText() copies, top to bottom as they stand on the sheet.
    void SetCopiedRows(std::initializer_list<Row> rows, std::initializer_list<QLabel*> notes);
    /// Writes a note; a note longer than its box grows to the left, keeping its right edge,
    /// and a shorter one takes its box again.
    void WriteNote(QLabel* note, const QString& text);

    virtual void FormShow();
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Note {
        QLabel* label;
        QRect box;  // as created
    };
    std::vector<Row> rows_;
    std::vector<Note> notes_;
};

/// Ends the program at once, without a question; nothing is saved.
void ExitProgram();

// ---- Controls ---------------------------------------------------------------------------

/// The text as it is drawn: a left-to-right mark before the minus sign of a number, so that a
/// negative number keeps its sign to the left of its digits in right-to-left text too, as
/// Persian typesetting writes it. The text itself stays as it is.
QString ShownText(const QString& text);

/// A label of plain text, drawn as ShownText() gives it. Disabled, it greys like a list.
class TextLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// A text label; `rightToLeft` sets right-to-left reading of its text. Unless centred, the
/// text stands at the right edge. A geometry without a size (QRect(left, top, 0, 0)) sizes
/// the label to its text, keeping the left edge.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  const QFont& font, const QColor& colour, bool centred = false, bool rightToLeft = true);

/// A label of the window-text colour (the palette's own).
QLabel* MakePlainLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                       const QFont& font, bool centred = false);

/// A push button in the button face.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry);

/// A pick-only drop-down list. Its items read right to left and stand at the right edge,
/// closed and open, 32 pixels high in an open list of at most ten rows. A wheel notch over
/// the list changes it only while it has the focus, so that no choice changes in passing.
class FixedList : public QComboBox {
public:
    FixedList(QWidget* parent, const char* name, const QStringList& items, int selected, const QRect& geometry);

    static constexpr int ItemHeight = 32;

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

/// A pick-only drop-down list (FixedList).
QComboBox* MakeFixedList(QWidget* parent, const char* name, const QStringList& items, int selected,
                         const QRect& geometry);

/// The items "from" to "to" in steps of one as decimal texts.
QStringList NumberItems(int from, int to, int step = 1);

/// An edit box for whole numbers whose typed text is limited to `typingLimit` characters.
/// Text written by the program is taken whole, even when it is longer. The box always shows
/// its whole text: a text too wide for the box is drawn smaller.
class NumberEdit : public QLineEdit {
public:
    NumberEdit(QWidget* parent, const char* name, int typingLimit, const QRect& geometry);
    /// Replaces the text with `text`, whatever its length.
    void WriteText(const QString& text);
    /// The width, in pixels, that the box has for its text.
    int TextRoom() const;

private:
    void FitText();

    int typingLimit_;
    QFont font_;  // as given; FitText() draws smaller where the text needs it
};

/// Whether the digit filter drops a typed key: everything that types a character except
/// backspace and the ASCII digits, control characters of Ctrl shortcuts included. Keys that
/// type no character (arrows, Delete, Home, End, Tab) are left alone.
bool DigitFilterDiscards(const QKeyEvent& event);

/// A banner picture for the top of an input window, drawn for the screen's pixel ratio.
QPixmap DrawBanner(QSize size, const QString& title, qreal pixelRatio);

/// A picture label holding the banner with `title`. It draws the banner when first painted
/// and anew whenever it is painted at another pixel ratio than the picture was drawn for,
/// so a window never shown draws none, and the banner stays sharp
/// on a high-resolution screen and after the window moves to a screen of another ratio.
QLabel* MakeBanner(QWidget* parent, const char* name, const QString& title, const QRect& geometry);

// ---- Messages and failures --------------------------------------------------------------

enum class MessageKind { Error, Information };

/// Shows a modal box with one OK button. Tests replace it to record what would be shown.
using MessageBoxFunction =
    std::function<void(MessageKind kind, const QString& caption, const QString& text)>;
MessageBoxFunction& MessageBox();

/// The real message box behind MessageBox(), not yet shown: the kind's icon, the text as
/// plain labels named "Line", one per line (a lone carriage return splits lines), each laid
/// out left to right as the texts were composed; one OK button. Centred on the screen by its
/// outer size when shown.
std::unique_ptr<QDialog> MakeMessageBox(MessageKind kind, const QString& caption, const QString& text);

/// The error box: caption "Error", error icon, one OK button, the text as given.
void ShowError(const QString& text);

/// The information box: caption "Information", information icon, one OK button.
void ShowInformation(const QString& text);

/// The box for a failure that escaped a handler: the program's title as caption, a full
/// stop appended when the message ends in a letter or digit.
void ShowGeneralError(const QString& message);

/// A failure inside a handler that the general error box reports.
class HandlerFailure : public std::runtime_error {
public:
    explicit HandlerFailure(const QString& message);
    /// The message with every character of the text it quotes: what() is UTF-8 and ends at
    /// the first NUL, and a pasted text may hold a NUL or half a character cut by a length limit.
    const QString& Message() const { return message_; }

private:
    QString message_;
};

/// Runs a handler; a failure that escapes it goes to the general error box and the
/// program goes on.
void Guarded(const std::function<void()>& handler);

/// The whole number in a field's text: an optional sign and ASCII digits within the signed
/// 32-bit range. Anything else throws HandlerFailure "'text' is not a valid integer value".
std::int32_t StrToInt(const QString& text);

// ---- Number texts -----------------------------------------------------------------------

/// A whole number in plain decimal, minus sign where negative, no separators.
QString IntText(std::int64_t value);

/// The shortest general form with at most 15 significant digits and the user's decimal
/// separator (1.5, 40).
QString FloatText(double value);

/// A result line: the number, two blanks and the unit word.
QString ResultLine(const QString& number, const QString& unit);

}  // namespace Shell
