// SPDX-License-Identifier: GPL-3.0-or-later
#include "MessageWindow.h"

#include "Form.h"
#include "Keys.h"
#include "Labels.h"
#include "Look.h"
#include "Placement.h"
#include "QtText.h"
#include "Rules.h"

#include <QGridLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

namespace QtFace {

namespace {

// Each line of the text is a label of its own, read as the shell says a box's lines read,
// whatever letter it begins with, and standing at that reading's starting edge.
class MessageWindow : public QDialog {
public:
    explicit MessageWindow(const Shell::Message& message)
    {
        setObjectName(QStringLiteral("MessageBox"));
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
        setWindowTitle(Qs(message.caption));
        setModal(true);
        setLayoutDirection(Qt::LeftToRight);
        const Qt::LayoutDirection reading = DirectionOf(Shell::MessageLineReading);

        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("Icon"));
        const auto standard = message.kind == Shell::MessageKind::Error ? QStyle::SP_MessageBoxCritical
                                                                        : QStyle::SP_MessageBoxInformation;
        icon->setPixmap(style()->standardIcon(standard).pixmap(32, 32));

        // A pasted text that the general error box quotes is shown literally, never as markup.
        auto* lines = new QVBoxLayout;
        lines->setSpacing(0);
        const QFont font = MakeFont(Shell::Typeface::Mitra, 19);
        for (const std::string& line : Shell::MessageLines(message.text)) {
            auto* label = new TextLabel(this);
            label->setObjectName(QStringLiteral("Line"));
            label->setTextFormat(Qt::PlainText);
            label->setText(Qs(line));
            label->setFont(font);
            label->setLayoutDirection(reading);
            label->setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
            lines->addWidget(label);
        }

        auto* ok = new PushButton(QStringLiteral("OK"), this);
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
    void keyPressEvent(QKeyEvent* event) override
    {
        // The keys the shell names close the box, and no others: QDialog's own Enter and
        // Escape are not asked.
        const Shell::Keystroke stroke = StrokeOf(*event);
        if (Shell::ClosesMessageBox(stroke)) {
            accept();
            return;
        }
        if (stroke.key != Shell::Key::Enter && stroke.key != Shell::Key::Escape) QDialog::keyPressEvent(event);
    }
    void showEvent(QShowEvent* event) override
    {
        // Centred on the screen, as every window of the program is.
        if (!event->spontaneous()) CentreOnScreen(this);
        QDialog::showEvent(event);
    }
};

void ShowMessageBox(const Shell::Message& message) { MakeMessageBox(message)->exec(); }

}  // namespace

std::unique_ptr<QDialog> MakeMessageBox(const Shell::Message& message)
{
    return std::make_unique<MessageWindow>(message);
}

MessageBoxFunction& MessageBox()
{
    static MessageBoxFunction show = ShowMessageBox;
    return show;
}

}  // namespace QtFace
