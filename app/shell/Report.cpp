// SPDX-License-Identifier: GPL-3.0-or-later
#include "Report.h"

#include "Controls.h"
#include "FieldText.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace Shell {

namespace {

constexpr int ChartWidth = 640;  // pixels of the page's text width, at 96 per inch
constexpr int BarRow = 30;       // pixels per bar
constexpr int CaptionRoom = 210; // pixels for the captions, at the right

// The rows of a two-column table, the caption on the right and its value to its left, as on
// the sheet. A table's cells run left to right whatever the text's direction, so the value
// comes first.
QString TableRows(const QList<ReportLine>& lines)
{
    QString rows;
    for (const ReportLine& line : lines)
        rows += "<tr><td align=\"right\">" + ShownText(line.value).toHtmlEscaped() +
                "</td><td class=\"caption\" width=\"40%\" align=\"right\">" + line.caption.toHtmlEscaped() +
                "</td></tr>";
    return rows;
}

}  // namespace

QList<int> BarLengths(const QList<ChartBar>& bars, int full)
{
    std::int64_t largest = 0;
    for (const ChartBar& bar : bars) largest = std::max(largest, bar.watts);
    QList<int> lengths;
    for (const ChartBar& bar : bars)
        lengths << (largest > 0 && bar.watts > 0 ? int(bar.watts * full / largest) : 0);
    return lengths;
}

QImage DrawChart(const QList<ChartBar>& bars, int width, qreal pixelRatio)
{
    const int height = BarRow * int(bars.size()) + 8;
    QImage image(QSize(width, height) * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont captionFont = MakeFont(FaceMorvarid, 17);
    const QFont valueFont = MakeFont(FaceArial, 13);
    const int valueRoom = QFontMetrics(valueFont).horizontalAdvance(QStringLiteral("00000000000 W"));
    const int full = width - CaptionRoom - valueRoom - 16;
    const QList<int> lengths = BarLengths(bars, full);
    for (qsizetype i = 0; i < bars.size(); ++i) {
        const int top = 4 + BarRow * int(i);
        const int barRight = width - CaptionRoom - 8;
        painter.setFont(captionFont);
        painter.setPen(Qt::black);
        painter.setLayoutDirection(Qt::RightToLeft);
        painter.drawText(QRect(width - CaptionRoom, top, CaptionRoom, BarRow), Qt::AlignRight | Qt::AlignAbsolute |
                         Qt::AlignVCenter, bars[i].caption);
        painter.fillRect(QRect(barRight - lengths[i], top + 6, lengths[i], BarRow - 12), QColor(0x2E, 0x75, 0xB6));
        painter.setFont(valueFont);
        painter.setLayoutDirection(Qt::LeftToRight);
        painter.drawText(QRect(barRight - lengths[i] - valueRoom - 6, top, valueRoom, BarRow),
                         Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter, IntText(bars[i].watts) + " W");
    }
    return image;
}

std::unique_ptr<QTextDocument> MakeReport(const ReportContent& content)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(MakeFont(FaceMorvarid, 13));
    document->setDocumentMargin(0);
    document->setDefaultStyleSheet(QStringLiteral(
        "h1 { font-size: 26px; } td { padding: 0px 10px; white-space: pre; } td.caption { color: #800000; } "
        "p.note { font-family: 'Arial'; font-style: italic; white-space: pre; }"));
    QString html = "<html><body dir=\"rtl\"><h1>" + content.title.toHtmlEscaped() + "</h1><p>" +
                   content.date.toHtmlEscaped() + "</p>";
    const QString table = QStringLiteral("<table width=\"100%\" cellspacing=\"0\">");
    if (!content.inputs.isEmpty()) html += table + TableRows(content.inputs) + "</table><hr/>";
    html += table + TableRows(content.rows) + "</table>";
    for (const QString& note : content.notes) html += "<p class=\"note\" dir=\"ltr\">" + note.toHtmlEscaped() + "</p>";
    if (!content.chart.isEmpty())
        html += QStringLiteral("<p><img src=\"report:chart\" width=\"%1\"/></p>").arg(ChartWidth);
    html += "</body></html>";
    document->setHtml(html);
    // After the text, which clears the document's resources. Drawn at three times the screen's
    // pixels, so that it stays sharp on paper.
    if (!content.chart.isEmpty())
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

}  // namespace Shell
