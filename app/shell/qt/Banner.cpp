// SPDX-License-Identifier: GPL-3.0-or-later
#include "Banner.h"

#include "Look.h"
#include "QtText.h"

#include <QLinearGradient>
#include <QPainter>

namespace QtFace {

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

    painter.setPen(ColourOf(Shell::TypeOf(Shell::Role::Banner).colour));
    painter.setFont(FontOf(Shell::Role::Banner));
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

QLabel* MakeBanner(QWidget* parent, const Shell::Control& control)
{
    auto* banner = new Banner(parent, Qs(control.text));
    banner->setObjectName(Qs(control.name));
    banner->setGeometry(control.box.left, control.box.top, control.box.width, control.box.height);
    return banner;
}

}  // namespace QtFace
