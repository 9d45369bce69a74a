#include "Shell.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStandardItemModel>
#include <QStyle>

#include <algorithm>
#include <charconv>
#include <limits>

namespace Shell {

const QString ProgramTitle = QStringLiteral("محاسبات بار برودتي نسخه 2.0");

// ---- Fonts ------------------------------------------------------------------------------

void InstallFontSubstitutes()
{
    QFont::insertSubstitutions(FaceMitra, {"Noto Naskh Arabic"});
    QFont::insertSubstitutions(FaceMorvarid, {"Noto Naskh Arabic"});
    QFont::insertSubstitutions(FaceComic, {"Comic Neue"});
    QFont::insertSubstitutions(FaceArial, {"Liberation Sans"});
    QFont::insertSubstitutions(FaceSansSerif, {"Liberation Sans"});
}

QFont MakeFont(const char* face, int pixelHeight, bool bold, bool italic)
{
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setItalic(italic);
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

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    // The whole display counts, the area under a task bar included.
    window->move(CentredTopLeft(screen->geometry().size(), window->frameGeometry().size()));
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

void ResultSheet::SetCopiedRows(std::initializer_list<Row> rows, std::initializer_list<const QLabel*> notes)
{
    rows_.assign(rows);
    notes_.assign(notes);
}

QString ResultSheet::SheetText() const
{
    QString text;
    for (const auto& [caption, value] : rows_) text += caption->text() + RowSeparator + value->text() + u'\n';
    for (const QLabel* note : notes_) text += note->text() + u'\n';
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

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  const QFont& font, const QColor& colour, bool centred, bool rightToLeft)
{
    QLabel* label = MakePlainLabel(parent, name, text, geometry, font, centred);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    if (!rightToLeft) label->setLayoutDirection(Qt::LeftToRight);
    return label;
}

QLabel* MakePlainLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                       const QFont& font, bool centred)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    // The window paints in the button face, whose text role would hide a label's own colour.
    label->setForegroundRole(QPalette::WindowText);
    // Persian text reads right to left; the placement is already given in pixels.
    label->setLayoutDirection(Qt::RightToLeft);
    // Without AlignAbsolute Qt would mirror "right" to the left edge for Persian text.
    label->setAlignment(centred ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
    if (geometry.size().isEmpty())
        label->setGeometry(QRect(geometry.topLeft(), label->sizeHint()));
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

QComboBox* MakeFixedList(QWidget* parent, const char* name, const QStringList& items, int selected,
                         const QRect& geometry)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(geometry);
    list->setFont(MakeFont(FaceMorvarid, 19));
    list->setEditable(false);
    list->setLayoutDirection(Qt::RightToLeft);
    list->view()->setLayoutDirection(Qt::RightToLeft);
    list->addItems(items);
    // Items stand 32 pixels high in the open list.
    list->setStyleSheet(QStringLiteral("QComboBox QAbstractItemView::item { min-height: 32px; }"));
    list->setCurrentIndex(selected);
    return list;
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
    setFont(MakeFont(FaceMorvarid, 19));
    setMaxLength(typingLimit);
    // After the program wrote a longer text, the limit follows the text down as the user
    // deletes, so typing never makes it longer than it is.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (maxLength() > typingLimit_) setMaxLength(std::max<int>(typingLimit_, int(text.size())));
    });
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

void ShowMessageBox(MessageKind kind, const QString& caption, const QString& text)
{
    QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::Information,
                    caption, text, QMessageBox::Ok);
    box.exec();
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
