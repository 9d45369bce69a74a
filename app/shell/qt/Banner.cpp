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
    sky.setColorAt(0.0, QColorOf(Shell::BannerSkyTop));
    sky.setColorAt(1.0, QColorOf(Shell::BannerSkyBottom));
    painter.fillRect(QRect(QPoint(0, 0), size), sky);

    QColor flake = ColourOf(Shell::Colour::White);
    flake.setAlpha(Shell::FlakeOpacity);
    painter.setPen(QPen(flake, Shell::FlakeStroke));
    for (const Shell::Flake& at : Shell::BannerFlakes)
        for (const Shell::Stroke& stroke : Shell::FlakeStrokes(at.radius))
            painter.drawLine(QPointF(at.x + stroke.x0, at.y + stroke.y0), QPointF(at.x + stroke.x1, at.y + stroke.y1));

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
