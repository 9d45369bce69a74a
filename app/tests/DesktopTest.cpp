// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows meet the desktop: every window carries the program's icon, and on a screen
// of pixel ratio 2 (run with QT_SCALE_FACTOR=2) every window keeps its size in logical pixels
// and is drawn with twice the pixels each way, its banner drawn for that ratio rather than
// enlarged from a picture of half the pixels.

#include "Banner.h"
#include "Identity.h"
#include "QtProgram.h"
#include "QtTesting.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <memory>

namespace {

QWidget* Window(const QString& name) { return QtTesting::WidgetOf(*ProgramWindowNamed(name.toStdString()).Form()); }

// The banner across a window's top, where it has one.
const Shell::Control* BannerOf(const Shell::WindowDescription& window)
{
    for (const Shell::Control& control : window.controls)
        if (control.kind == Shell::Kind::Banner) return &control;
    return nullptr;
}

// The share of 2 x 2 pixel blocks that hold more than one colour: none in a picture
// enlarged twofold from one of half the pixels, many in one drawn at full resolution.
double FineDetail(const QImage& image)
{
    int blocks = 0;
    int detailed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb corner = image.pixel(x, y);
            ++blocks;
            if (image.pixel(x + 1, y) != corner || image.pixel(x, y + 1) != corner ||
                image.pixel(x + 1, y + 1) != corner)
                ++detailed;
        }
    return blocks ? double(detailed) / blocks : 0.0;
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QtProgram> program_;

private slots:
    void initTestCase()
    {
        QVERIFY2(qApp->devicePixelRatio() == 2.0, "run with QT_SCALE_FACTOR=2");
        InstallProgramIdentity();
        InstallProgramIcon();
    }
    void init() { program_ = std::make_unique<QtProgram>(); }
    void cleanup()
    {
        program_.reset();
        QCOMPARE(QtTesting::TopLevelWindows(), QStringList());
    }

    void everyWindow_data()
    {
        QTest::addColumn<QString>("window");
        for (const ProgramWindow& window : TheProgramWindows()) {
            const QString name = QString::fromUtf8(window.Name().data(), qsizetype(window.Name().size()));
            QTest::newRow(qPrintable(name)) << name;
        }
    }

    void everyWindow()
    {
        QFETCH(QString, window);
        QWidget* shown = Window(window);

        // The program's icon, drawn sharp for the ratio: 32 logical pixels are 64 real ones.
        const QPixmap icon = shown->windowIcon().pixmap(QSize(32, 32));
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.devicePixelRatio(), 2.0);
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(icon.toImage(), ProgramIcon().pixmap(QSize(32, 32)).toImage());

        const QSize logical = shown->size();
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        QCOMPARE(shown->size(), logical);
        const QPixmap picture = shown->grab();
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.size(), logical * 2);
        shown->hide();
    }

    void bannerIsDrawnForTheScreenRatio_data()
    {
        QTest::addColumn<QString>("window");
        for (const ProgramWindow& window : TheProgramWindows()) {
            if (!BannerOf(window.description)) continue;
            const QString name = QString::fromUtf8(window.Name().data(), qsizetype(window.Name().size()));
            QTest::newRow(qPrintable(name)) << name;
        }
    }

    void bannerIsDrawnForTheScreenRatio()
    {
        QFETCH(QString, window);
        QWidget* shown = Window(window);
        const std::string_view name = BannerOf(ProgramWindowNamed(window.toStdString()).description)->name;
        auto* banner = shown->findChild<QLabel*>(QString::fromUtf8(name.data(), qsizetype(name.size())));
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));

        QCOMPARE(banner->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(banner->pixmap().size(), banner->size() * 2);
        const double sharp = FineDetail(banner->grab().toImage());
        QVERIFY2(sharp > 0.05, qPrintable(QString::number(sharp)));

        // As if the window came from a screen of ratio 1: its next painting draws the banner
        // anew for ratio 2 instead of enlarging the old picture.
        banner->setPixmap(QtFace::DrawBanner(banner->size(), shown->windowTitle(), 1.0));
        QCOMPARE(FineDetail(banner->pixmap().scaled(banner->size() * 2).toImage()), 0.0);
        const double redrawn = FineDetail(banner->grab().toImage());
        QCOMPARE(banner->pixmap().devicePixelRatio(), 2.0);
        QVERIFY2(redrawn > 0.05, qPrintable(QString::number(redrawn)));
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
