// SPDX-License-Identifier: GPL-3.0-or-later
#include "Controls.h"

#include "FieldText.h"

#include <QAbstractItemView>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <algorithm>

namespace Shell {

// ---- Faces ------------------------------------------------------------------------------

namespace {

// Maps the program's faces to freely licensed ones for machines that lack them; an installed
// face of the program's own name is still preferred. Runs once.
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

}  // namespace

QFont MakeFont(const char* face, int pixelHeight, FontStyle style)
{
    InstallFontSubstitutes();
    QFont font(QString::fromLatin1(face));
    font.setPixelSize(pixelHeight);
    font.setBold(style == FontStyle::Bold);
    font.setItalic(style == FontStyle::Italic);
    // The window geometry was drawn for the original Persian faces, whose letters stand
    // larger for their pixel height than Lateef's: 3 pixels more give Lateef their letter
    // height. An installed original keeps its given size.
    if (QFontInfo(font).family() == QLatin1String(PersianSubstitute)) font.setPixelSize(pixelHeight + 3);
    return font;
}

// ---- Labels -----------------------------------------------------------------------------

void TextLabel::paintEvent(QPaintEvent*)
{
    // The label's own direction sets the reading order of its whole text, whatever letter
    // the text begins with.
    const int direction = layoutDirection() == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()) | direction,
                          palette(), isEnabled(), ShownText(text()), foregroundRole());
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry, const QFont& font,
                  const QColor& colour, Alignment alignment, Reading reading)
{
    QLabel* label = MakePlainLabel(parent, name, text, geometry, font, alignment);
    // The colour holds while the label is enabled; disabled, it greys like its list.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    label->setPalette(palette);
    if (reading == Reading::LeftToRight) label->setLayoutDirection(Qt::LeftToRight);
    return label;
}

QLabel* MakePlainLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                       const QFont& font, Alignment alignment)
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
    label->setAlignment(alignment == Alignment::Centred ? Qt::AlignHCenter | Qt::AlignTop
                                                        : Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
    // A label sized to its text keeps a pixel of room on either side of it, for the ink of
    // letters that reach past their advance (a bold dal at the end of a Persian word).
    if (geometry.size().isEmpty())
        label->setGeometry(QRect(geometry.topLeft() - QPoint(1, 0), label->sizeHint() + QSize(2, 0)));
    else
        label->setGeometry(geometry);
    return label;
}

// ---- Buttons, lists, number fields and the banner ------------------------------------

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

void NumberEdit::FillEmpty()
{
    if (text().isEmpty()) WriteText(QStringLiteral("0"));
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
    painter.setFont(MakeFont(FaceMitra, 40, FontStyle::Bold));
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

}  // namespace Shell
