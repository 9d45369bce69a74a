// SPDX-License-Identifier: GPL-3.0-or-later
#include "Windows.h"

#include "Messages.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMargins>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>

#include <memory>
#include <utility>

namespace Shell {

namespace {

// A printer that fails: "printing was not done", padded as every error text is.
const QString PrintFailed = QStringLiteral("           چاپ انجام نشد          ");

// A caption as a screen reader and a copy give it: its text, then the unit's.
QString RunInputCaption(const CaptionedInput& input)
{
    QString caption = input.caption->text().trimmed();
    if (input.unit) caption += u' ' + input.unit->text().trimmed();
    return caption;
}

}  // namespace

// ---- The program on the desktop ---------------------------------------------------------

QIcon ProgramIcon()
{
    // Built in from app/desktop; the same drawing is installed for the desktop's menu.
    return QIcon(QStringLiteral(":/" PROGRAM_INSTALLED_NAME ".svg"));
}

void InstallProgramIcon()
{
    QApplication::setWindowIcon(ProgramIcon());
    // Lets the desktop show the windows under the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(PROGRAM_DESKTOP_ID));
}

// ---- Placement --------------------------------------------------------------------------

QPoint CentredTopLeft(QSize screen, QSize outer)
{
    // Integer division truncates toward zero, as the placement wants for oversized windows.
    return {(screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2};
}

namespace {

// The frame around a top-level window, as far as the window system has told it.
QMargins FrameOf(const QWidget* window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The frame last seen around one of the program's windows: the best guess for a window that
// is not on the screen yet.
QMargins& KnownFrame()
{
    static QMargins frame;
    return frame;
}

// Centres its window again once the window system tells a frame other than the one the
// window was centred with: a window is framed only once it is on the screen.
class FrameWatch : public QObject {
public:
    explicit FrameWatch(QWidget* window) : QObject(window)
    {
        setObjectName(QStringLiteral("FrameWatch"));
        window->installEventFilter(this);
    }

    QMargins assumed;  // the frame the window was last centred with

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::WindowActivate: {
            auto* window = static_cast<QWidget*>(watched);
            const QMargins frame = FrameOf(window);
            if (window->isVisible() && !frame.isNull() && frame != assumed) {
                KnownFrame() = frame;
                CentreOnScreen(window);
            }
            break;
        }
        default:
            break;
        }
        return false;
    }
};

}  // namespace

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QMargins told = FrameOf(window);
    const QMargins frame = told.isNull() ? KnownFrame() : told;
    auto* watch = static_cast<FrameWatch*>(window->findChild<QObject*>(QStringLiteral("FrameWatch"),
                                                                        Qt::FindDirectChildrenOnly));
    if (!watch) watch = new FrameWatch(window);
    watch->assumed = frame;
    // The whole display counts, the area under a task bar included.
    const QPoint frameTopLeft = CentredTopLeft(screen->geometry().size(), window->size().grownBy(frame));
    // A window's position is that of its frame once the window system has told the frame;
    // until then it is that of its client area.
    window->move(told.isNull() ? frameTopLeft + QPoint(frame.left(), frame.top()) : frameTopLeft);
}

void SetUpWindow(QWidget* window, const QString& caption, QSize client, TitleButtons buttons)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (buttons == TitleButtons::MinimizeAndClose) flags |= Qt::WindowMinimizeButtonHint;
    if (qobject_cast<QDialog*>(window)) flags |= Qt::Dialog;
    window->setWindowFlags(flags);
    window->setWindowTitle(caption);
    window->setFixedSize(client);
    window->setBackgroundRole(QPalette::Button);
    window->setAutoFillBackground(true);
    window->setFont(MakeFont(FaceSansSerif, 11));
}

// ---- Kinds of window --------------------------------------------------------------------

void MainDialog::closeEvent(QCloseEvent* event)
{
    // The main window: closing it ends the program.
    event->accept();
    ExitProgram();
}

void MainDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void InputWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    ExitProgram();
}

void InputWindow::CaptionInputs(std::initializer_list<CaptionedInput> inputs)
{
    inputs_.assign(inputs);
    for (const CaptionedInput& input : inputs_) {
        // A label that is a control's buddy gives the control the labelled-by relation.
        input.caption->setBuddy(input.control);
        if (qobject_cast<QLineEdit*>(input.control))
            input.control->setAccessibleName(RunInputCaption(input));
    }
}

QList<ReportLine> InputWindow::RunInputs() const
{
    QList<ReportLine> lines;
    for (const CaptionedInput& input : inputs_) {
        if (input.control->isHidden()) continue;
        QString value;
        if (const auto* edit = qobject_cast<const QLineEdit*>(input.control)) value = edit->text();
        if (const auto* list = qobject_cast<const QComboBox*>(input.control)) value = list->currentText();
        lines.append({RunInputCaption(input), value});
    }
    return lines;
}

void InputWindow::keyPressEvent(QKeyEvent* event)
{
    // A push button takes Enter only in a dialog; on an input window Enter presses the
    // focused button as Space does.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            event->accept();
            button->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

ResultSheet::ResultSheet(const QString& caption, QSize client, QRect backButton, QWidget* parent)
    : Centred<QDialog>(parent)
{
    SetUpWindow(this, caption, client);
    setModal(true);
    BitBtn1 = MakeButton(this, "BitBtn1", QStringLiteral("بازگشت"), backButton);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    // Copy and Print, on their keys and in the sheet's context menu (right button, menu key),
    // which shows the keys so that the user finds them.
    const auto action = [this](const QString& text, QKeySequence::StandardKey key, void (ResultSheet::*slot)()) {
        auto* entry = new QAction(text, this);
        entry->setShortcut(key);
        entry->setShortcutVisibleInContextMenu(true);
        connect(entry, &QAction::triggered, this, slot);
        addAction(entry);
    };
    action(QStringLiteral("کپي"), QKeySequence::Copy, &ResultSheet::CopySheet);
    action(QStringLiteral("چاپ"), QKeySequence::Print, &ResultSheet::PrintSheet);
}

void ResultSheet::contextMenuEvent(QContextMenuEvent* event)
{
    // In the buttons' face, read right to left as the sheet is.
    QMenu menu(this);
    menu.setFont(MakeFont(FaceMitra, 16));
    menu.setLayoutDirection(Qt::RightToLeft);
    menu.addActions(actions());
    menu.exec(event->globalPos());
}

void ResultSheet::ShowModal()
{
    BitBtn1->setFocus();
    exec();
}

void ResultSheet::AddRow(QLabel*& caption, const char* captionName, const QString& captionText,
                         const QRect& captionBox, const QColor& captionColour, QLabel*& value, const char* valueName,
                         const QRect& valueBox, const QFont& valueFont, Reading valueReading)
{
    caption = MakeLabel(this, captionName, captionText, captionBox, SheetFont(), captionColour, Alignment::Centred);
    value = MakeLabel(this, valueName, QString(), valueBox, valueFont, Black, Alignment::Centred, valueReading);
    // A screen reader reads the caption, then the value ("1581  وات").
    value->setAccessibleName(captionText);
    rows_.push_back({caption, value});
}

QLabel* ResultSheet::AddNote(const char* name, const QRect& box, const QFont& font)
{
    QLabel* note = MakeLabel(this, name, QString(), box, font, Black, Alignment::Right, Reading::LeftToRight);
    notes_.push_back({note, box});
    return note;
}

void ResultSheet::WriteNote(QLabel* note, const QString& text)
{
    note->setText(text);
    for (const Note& known : notes_) {
        if (known.label != note) continue;
        QRect box = known.box;
        const int needed = note->sizeHint().width();
        if (needed > box.width()) box.setLeft(box.right() + 1 - needed);
        note->setGeometry(box);
    }
}

void ResultSheet::SetInputs(QList<ReportLine> inputs) { inputs_ = std::move(inputs); }

QString ResultSheet::SheetText() const
{
    QString text;
    for (const ReportLine& input : inputs_) text += input.caption + RowSeparator + input.value + u'\n';
    for (const Row& row : rows_) text += row.caption->text() + RowSeparator + row.value->text() + u'\n';
    for (const Note& note : notes_) text += note.label->text() + u'\n';
    return text;
}

void ResultSheet::CopySheet() { QGuiApplication::clipboard()->setText(SheetText()); }

ReportContent ResultSheet::ReportOf() const
{
    ReportContent report{windowTitle(), QLocale().toString(QDate::currentDate(), QLocale::LongFormat), inputs_, {},
                         {}, LoadChart()};
    for (const Row& row : rows_) report.rows.append({row.caption->text(), row.value->text()});
    for (const Note& note : notes_) report.notes << note.label->text();
    return report;
}

void ResultSheet::PrintReport(QPrinter& printer) const
{
    const std::unique_ptr<QTextDocument> report = MakeReport(ReportOf());
    if (!PrintDocument(*report, printer)) ShowError(PrintFailed);
}

void ResultSheet::PrintSheet()
{
    // The report goes where the user sends it, paper or a file; nothing is kept.
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PrintReport(printer);
}

void ResultSheet::keyPressEvent(QKeyEvent* event)
{
    // Only "بازگشت", Enter or the close box dismiss a sheet.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QFont SheetFont() { return MakeFont(FaceMorvarid, 19); }

void ExitProgram() { QCoreApplication::exit(0); }

}  // namespace Shell
