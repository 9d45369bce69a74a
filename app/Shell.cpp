#include "Shell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QLocale>
#include <QGridLayout>
#include <QVBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <algorithm>
#include <charconv>
#include <limits>
#include <memory>
#include <cstdio>

namespace Shell {

const QString ProgramTitle = QStringLiteral("محاسبات بار برودتي نسخه 2.0");

// ---- Fonts ------------------------------------------------------------------------------

void InstallFontSubstitutes()
{
    static const bool installed = [] {
        QFont::insertSubstitutions(FaceMitra, {PersianSubstitute});
        QFont::insertSubstitutions(FaceMorvarid, {PersianSubstitute});
        QFont::insertSubstitutions(FaceComic, {"Comic Neue"});
        QFont::insertSubstitutions(FaceArial, {"Liberation Sans"});
        QFont::insertSubstitutions(FaceSansSerif, {"Liberation Sans"});
        return true;
    }();
    (void)installed;
}

QFont MakeFont(const char* face, int pixelHeight, bool bold, bool italic)
{
    InstallFontSubstitutes();
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
    // The window geometry was drawn for the original Persian faces, whose letters stand
    // larger for their pixel height than Lateef's: 3 pixels more give Lateef their letter
    // height. An installed original keeps its given size.
    if (QFontInfo(font).family() == QLatin1String(PersianSubstitute)) font.setPixelSize(pixelHeight + 3);
    return font;
}

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

// ---- Windows ----------------------------------------------------------------------------

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

void SetUpWindow(QWidget* window, const QString& caption, QSize client, bool minimizeBox)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    if (qobject_cast<QDialog*>(window)) flags |= Qt::Dialog;
    window->setWindowFlags(flags);
    window->setWindowTitle(caption);
    window->setFixedSize(client);
    window->setBackgroundRole(QPalette::Button);
    window->setAutoFillBackground(true);
    window->setFont(MakeFont(FaceSansSerif, 11));
    // The control that holds the focus shows it from the moment the window opens, not only
    // after the first Tab.
    window->setAttribute(Qt::WA_KeyboardFocusChange);
}

InputWindow::InputWindow(QWidget* parent) : QWidget(parent) {}

void InputWindow::FormShow() { CentreOnScreen(this); }

void InputWindow::showEvent(QShowEvent* event)
{
    // Runs before the window is mapped, so it appears in its place.
    if (!event->spontaneous()) FormShow();
    QWidget::showEvent(event);
}

void InputWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    ExitProgram();
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
    : QDialog(parent)
{
    SetUpWindow(this, caption, client);
    setModal(true);
    BitBtn1 = MakeButton(this, "BitBtn1", QStringLiteral("بازگشت"), backButton);
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
}

void ResultSheet::ShowModal()
{
    BitBtn1->setFocus();
    exec();
}

void ResultSheet::SetCopiedRows(std::initializer_list<Row> rows, std::initializer_list<QLabel*> notes)
{
    rows_.assign(rows);
    notes_.clear();
    for (QLabel* note : notes) notes_.push_back({note, note->geometry()});
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

QString ResultSheet::SheetText() const
{
    QString text;
    for (const auto& [caption, value] : rows_) text += caption->text() + RowSeparator + value->text() + u'\n';
    for (const Note& note : notes_) text += note.label->text() + u'\n';
    return text;
}

void ResultSheet::CopySheet() const { QGuiApplication::clipboard()->setText(SheetText()); }

void ResultSheet::FormShow() { CentreOnScreen(this); }

void ResultSheet::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void ResultSheet::keyPressEvent(QKeyEvent* event)
{
    // Only "بازگشت", Enter or the close box dismiss a sheet.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        CopySheet();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ExitProgram() { QCoreApplication::exit(0); }

// ---- Controls ---------------------------------------------------------------------------

QString ShownText(const QString& text)
{
    QString shown;
    shown.reserve(text.size() + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool sign = text[i] == u'-' && i + 1 < text.size() && text[i + 1].isDigit();
        if (sign) shown += QChar(0x200E);  // left-to-right mark
        shown += text[i];
    }
    return shown;
}

void TextLabel::paintEvent(QPaintEvent*)
{
    // The label's own direction sets the reading order of its whole text, whatever letter
    // the text begins with.
    const int direction = layoutDirection() == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()) | direction,
                          palette(), isEnabled(), ShownText(text()), foregroundRole());
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  const QFont& font, const QColor& colour, bool centred, bool rightToLeft)
{
    QLabel* label = MakePlainLabel(parent, name, text, geometry, font, centred);
    // The colour holds while the label is enabled; disabled, it greys like its list.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    label->setPalette(palette);
    if (!rightToLeft) label->setLayoutDirection(Qt::LeftToRight);
    return label;
}

QLabel* MakePlainLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                       const QFont& font, bool centred)
{
    auto* label = new TextLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    // The window paints in the button face, whose text role would hide a label's own colour.
    label->setForegroundRole(QPalette::WindowText);
    // Persian text reads right to left; the placement is already given in pixels.
    label->setLayoutDirection(Qt::RightToLeft);
    // Without AlignAbsolute Qt would mirror "right" to the left edge for Persian text.
    label->setAlignment(centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
    // A label sized to its text keeps a pixel of room on either side of it, for the ink of
    // letters that reach past their advance (a bold dal at the end of a Persian word).
    if (geometry.size().isEmpty())
        label->setGeometry(QRect(geometry.topLeft() - QPoint(1, 0), label->sizeHint() + QSize(2, 0)));
    else
        label->setGeometry(geometry);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setFont(MakeFont(FaceMitra, 16));
    button->setAutoDefault(false);
    return button;
}

namespace {

// Draws the items of an open list at the right edge, 32 pixels high, as ShownText() gives them.
class ListItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), FixedList::ItemHeight};
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->text = ShownText(option->text);
        option->displayAlignment = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;
    }
};

}  // namespace

FixedList::FixedList(QWidget* parent, const char* name, const QStringList& items, int selected,
                     const QRect& geometry)
    : QComboBox(parent)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    setFont(MakeFont(FaceMorvarid, 19));
    setEditable(false);
    setLayoutDirection(Qt::RightToLeft);
    // A wheel notch gives no focus.
    setFocusPolicy(Qt::StrongFocus);
    // An open list of at most ten rows below or above the box, not a menu as tall as the
    // screen that some styles make of a pick-only list.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setItemDelegate(new ListItemDelegate(this));
    view()->setLayoutDirection(Qt::RightToLeft);
    addItems(items);
    setCurrentIndex(selected);
}

void FixedList::paintEvent(QPaintEvent*)
{
    // As QComboBox draws itself, with the current text as ShownText() gives it.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = ShownText(option.currentText);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void FixedList::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

QComboBox* MakeFixedList(QWidget* parent, const char* name, const QStringList& items, int selected,
                         const QRect& geometry)
{
    return new FixedList(parent, name, items, selected, geometry);
}

QStringList NumberItems(int from, int to, int step)
{
    QStringList items;
    if (step > 0)
        for (int v = from; v <= to; v += step) items << QString::number(v);
    else
        for (int v = from; v >= to; v += step) items << QString::number(v);
    return items;
}

NumberEdit::NumberEdit(QWidget* parent, const char* name, int typingLimit, const QRect& geometry)
    : QLineEdit(parent), typingLimit_(typingLimit)
{
    setObjectName(QString::fromLatin1(name));
    setGeometry(geometry);
    font_ = MakeFont(FaceMorvarid, 19);
    setFont(font_);
    setMaxLength(typingLimit);
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

bool DigitFilterDiscards(const QKeyEvent& event)
{
    const QString text = event.text();
    if (text.isEmpty()) return false;
    switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'9') return false;
    return true;
}

QPixmap DrawBanner(QSize size, const QString& title, qreal pixelRatio)
{
    QPixmap pixmap(size * pixelRatio);
    pixmap.setDevicePixelRatio(pixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(0x0B, 0x3D, 0x6B));
    sky.setColorAt(1.0, QColor(0x6F, 0xB8, 0xE6));
    painter.fillRect(QRect(QPoint(0, 0), size), sky);

    // A few six-armed snowflakes across the band.
    painter.setPen(QPen(QColor(255, 255, 255, 170), 2.0));
    const QPoint flakes[] = {{70, 45}, {160, 105}, {260, 40}, {700, 100}, {800, 42}, {870, 110}};
    const int radii[] = {22, 14, 10, 16, 24, 12};
    for (int i = 0; i < 6; ++i) {
        painter.save();
        painter.translate(flakes[i]);
        for (int arm = 0; arm < 6; ++arm) {
            painter.drawLine(0, 0, 0, -radii[i]);
            painter.drawLine(0, -radii[i] / 2, -radii[i] / 4, -radii[i] * 3 / 4);
            painter.drawLine(0, -radii[i] / 2, radii[i] / 4, -radii[i] * 3 / 4);
            painter.rotate(60);
        }
        painter.restore();
    }

    painter.setPen(Qt::white);
    painter.setFont(MakeFont(FaceMitra, 40, true));
    painter.setLayoutDirection(Qt::RightToLeft);
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, title);
    return pixmap;
}

namespace {

class Banner : public QLabel {
public:
    Banner(QWidget* parent, const QString& title) : QLabel(parent), title_(title) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        // Drawn at the first paint, not when the window is built: only one of the two input
        // windows is ever shown. The ratio is known for certain only once the window is on its
        // screen, and it changes when the window moves to a screen of another ratio.
        if (pixmap().isNull() || pixmap().devicePixelRatio() != devicePixelRatioF())
            setPixmap(DrawBanner(size(), title_, devicePixelRatioF()));
        QLabel::paintEvent(event);
    }

private:
    QString title_;
};

}  // namespace

QLabel* MakeBanner(QWidget* parent, const char* name, const QString& title, const QRect& geometry)
{
    auto* banner = new Banner(parent, title);
    banner->setObjectName(QString::fromLatin1(name));
    banner->setGeometry(geometry);
    return banner;
}

// ---- Messages and failures --------------------------------------------------------------

namespace {

// The lines of a box's text: the texts split them with a lone carriage return.
QStringList MessageBoxLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text.split(u'\n');
}

// A message box: the kind's icon, the text, and one OK button; centred on the screen by its
// outer size. The texts were composed for a box that lays each line out on its own, left to
// right: their leading blanks and full stops fall where they were meant to only so. Each
// line is therefore a label of its own, read left to right whatever letter it begins with.
class MessageWindow : public QDialog {
public:
    MessageWindow(MessageKind kind, const QString& caption, const QString& text)
    {
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
        setWindowTitle(caption);
        setModal(true);
        setLayoutDirection(Qt::LeftToRight);

        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("Icon"));
        const auto standard = kind == MessageKind::Error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxInformation;
        icon->setPixmap(style()->standardIcon(standard).pixmap(32, 32));

        // A pasted text that the general error box quotes is shown literally, never as markup.
        auto* lines = new QVBoxLayout;
        lines->setSpacing(0);
        const QFont font = MakeFont(FaceMitra, 19);
        for (const QString& line : MessageBoxLines(text)) {
            auto* label = new TextLabel(line, this);
            label->setObjectName(QStringLiteral("Line"));
            label->setTextFormat(Qt::PlainText);
            label->setFont(font);
            label->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
            lines->addWidget(label);
        }

        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("OK"));
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);

        auto* grid = new QGridLayout(this);
        grid->setSizeConstraint(QLayout::SetFixedSize);
        grid->setHorizontalSpacing(16);
        grid->addWidget(icon, 0, 0, Qt::AlignTop);
        grid->addLayout(lines, 0, 1);
        grid->addWidget(ok, 1, 0, 1, 2, Qt::AlignHCenter);
        ok->setFocus();
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QDialog::showEvent(event);
        if (!event->spontaneous()) CentreOnScreen(this);
    }
};

}  // namespace

std::unique_ptr<QDialog> MakeMessageBox(MessageKind kind, const QString& caption, const QString& text)
{
    return std::make_unique<MessageWindow>(kind, caption, text);
}

namespace {

void ShowMessageBox(MessageKind kind, const QString& caption, const QString& text)
{
    MakeMessageBox(kind, caption, text)->exec();
}

}  // namespace

MessageBoxFunction& MessageBox()
{
    static MessageBoxFunction show = ShowMessageBox;
    return show;
}

void ShowError(const QString& text) { MessageBox()(MessageKind::Error, QStringLiteral("Error"), text); }

void ShowInformation(const QString& text)
{
    MessageBox()(MessageKind::Information, QStringLiteral("Information"), text);
}

void ShowGeneralError(const QString& message)
{
    QString text = message;
    if (!text.isEmpty() && text.back().isLetterOrNumber()) text += u'.';
    MessageBox()(MessageKind::Error, ProgramTitle, text);
}

void Guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const HandlerFailure& failure) {
        ShowGeneralError(failure.Message());
    } catch (const std::exception& failure) {
        ShowGeneralError(QString::fromUtf8(failure.what()));
    }
}

HandlerFailure::HandlerFailure(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message)
{
}

std::int32_t StrToInt(const QString& text)
{
    const auto fail = [&text]() -> std::int32_t {
        throw HandlerFailure("'" + text + "' is not a valid integer value");
    };
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    if (i == text.size()) return fail();
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9') return fail();
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1) return fail();
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<std::int32_t>::max()) return fail();
    return static_cast<std::int32_t>(value);
}

// ---- Number texts -----------------------------------------------------------------------

QString IntText(std::int64_t value) { return QString::number(value); }

QString FloatText(double value)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    QString text = QString::fromLatin1(buffer, end - buffer);
    // to_chars always writes a point; the user's own separator replaces it.
    text.replace(u'.', QLocale().decimalPoint());
    return text;
}

QString ResultLine(const QString& number, const QString& unit) { return number + "  " + unit; }

}  // namespace Shell
