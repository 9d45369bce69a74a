// SPDX-License-Identifier: GPL-3.0-or-later
#include "Messages.h"

#include "Controls.h"
#include "Windows.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace Shell {

const QString ProgramTitle = QStringLiteral("محاسبات بار برودتي نسخه 2.0");

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
class MessageWindow : public Centred<QDialog> {
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

}  // namespace Shell
