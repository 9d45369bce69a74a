// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintedReport.h"

#include "FieldText.h"
#include "Look.h"
#include "QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

namespace QtFace {

namespace {

constexpr int ChartWidth = 640;   // pixels of the page's text width, at 96 per inch
constexpr int BarRow = 30;        // pixels per bar
constexpr int CaptionRoom = 210;  // pixels for the captions, at the right

QString Escaped(const std::string& text) { return Qs(text).toHtmlEscaped(); }

// The rows of a two-column table, the caption on the right and its value to its left, as on
// the sheet. A table's cells run left to right whatever the text's direction, so the value
// comes first.
QString TableRows(const std::vector<Shell::ReportLine>& lines)
{
    QString rows;
    for (const Shell::ReportLine& line : lines)
        rows += "<tr><td align=\"right\">" + Escaped(Shell::ShownText(line.value)) +
                "</td><td class=\"caption\" width=\"40%\" align=\"right\">" + Escaped(line.caption) + "</td></tr>";
    return rows;
}

}  // namespace

QImage DrawChart(const std::vector<Shell::ChartBar>& bars, int width, qreal pixelRatio)
{
    const int height = BarRow * int(bars.size()) + 8;
    QImage image(QSize(width, height) * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont captionFont = PrintFont(13);
    const QFont valueFont = MakeFont(Shell::Typeface::Arial, 13);
    const int valueRoom = QFontMetrics(valueFont).horizontalAdvance(QStringLiteral("00000000000 W"));
    const int full = width - CaptionRoom - valueRoom - 16;
    const std::vector<int> lengths = Shell::BarLengths(bars, full);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const int top = 4 + BarRow * int(i);
        const int barRight = width - CaptionRoom - 8;
        painter.setFont(captionFont);
        painter.setPen(Qt::black);
        painter.setLayoutDirection(Qt::RightToLeft);
        painter.drawText(QRect(width - CaptionRoom, top, CaptionRoom, BarRow),
                         Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter, Qs(bars[i].caption));
        painter.fillRect(QRect(barRight - lengths[i], top + 6, lengths[i], BarRow - 12), QColor(0x2E, 0x75, 0xB6));
        painter.setFont(valueFont);
        painter.setLayoutDirection(Qt::LeftToRight);
        painter.drawText(QRect(barRight - lengths[i] - valueRoom - 6, top, valueRoom, BarRow),
                         Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter,
                         Qs(Shell::IntText(bars[i].watts)) + " W");
    }
    return image;
}

std::unique_ptr<QTextDocument> MakeReport(const Shell::ReportContent& content, const QString& date)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(PrintFont(13));
    document->setDocumentMargin(0);
    document->setDefaultStyleSheet(QStringLiteral(
        "h1 { font-size: 26px; } td { padding: 0px 10px; white-space: pre; } td.caption { color: #800000; } "
        "p.note { font-family: 'Arial'; font-style: italic; white-space: pre; }"));
    QString html = "<html><body dir=\"rtl\"><h1>" + Escaped(content.title) + "</h1><p>" + date.toHtmlEscaped() + "</p>";
    const QString table = QStringLiteral("<table width=\"100%\" cellspacing=\"0\">");
    if (!content.inputs.empty()) html += table + TableRows(content.inputs) + "</table><hr/>";
    html += table + TableRows(content.rows) + "</table>";
    for (const std::string& note : content.notes) html += "<p class=\"note\" dir=\"ltr\">" + Escaped(note) + "</p>";
    if (!content.chart.empty())
        html += QStringLiteral("<p><img src=\"report:chart\" width=\"%1\"/></p>").arg(ChartWidth);
    html += "</body></html>";
    document->setHtml(html);
    // After the text, which clears the document's resources. Drawn at three times the screen's
    // pixels, so that it stays sharp on paper.
    if (!content.chart.empty())
        document->addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("report:chart")),
                              DrawChart(content.chart, ChartWidth, 3.0));
    return document;
}

bool PrintDocument(QTextDocument& document, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The document is laid out in screen pixels (96 per inch) and drawn scaled to the printer.
    const qreal scale = printer.resolution() / 96.0;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF pageSize(page.width() / scale, page.height() / scale);
    document.setPageSize(pageSize);
    painter.scale(scale, scale);
    for (int number = 0; number < document.pageCount(); ++number) {
        if (number > 0 && !printer.newPage()) return false;
        painter.save();
        painter.translate(0, -number * pageSize.height());
        document.drawContents(&painter, QRectF(QPointF(0, number * pageSize.height()), pageSize));
        painter.restore();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

}  // namespace QtFace
