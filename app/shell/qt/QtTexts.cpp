// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtTexts.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace QtFace {

namespace {

Qt::LayoutDirection textsDirection = Qt::LeftToRight;

}  // namespace

void LoadQtTexts()
{
    // A right-to-left catalogue turns the whole program right to left unless the program has
    // chosen its direction: the windows stand as they were drawn, with their Persian set right
    // to left control by control.
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    textsDirection = QLocale().textDirection();
}

Qt::LayoutDirection QtTextsDirection() { return textsDirection; }

}  // namespace QtFace
