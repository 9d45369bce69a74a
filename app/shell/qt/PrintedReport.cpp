// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintedReport.h"

#include "FieldText.h"
#include "Look.h"
#include "QtText.h"

#include <QAbstractTextDocumentLayout>
#include <QCalendar>
#include <QDate>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

#include <algorithm>

namespace QtFace {

namespace {

constexpr int ChartWidth = 640;   // pixels of the page's text width, at 96 per inch
constexpr int BarRow = 30;        // pixels per bar
constexpr int CaptionRoom = 210;  // pixels for the captions, at the right
constexpr int ChartFormat = QTextFormat::UserObject + 1;

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

// The chart inside the report's text, drawn by the painter that draws the text: on a printer
// its bars and words go into the file as shapes and text, sharp at any size.
class ChartObject : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)

public:
    ChartObject(QObject* document, std::vector<Shell::ChartBar> bars) : QObject(document), bars_(std::move(bars)) {}

    QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override { return {ChartWidth, ChartHeight(bars_)}; }

    void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int, const QTextFormat&) override
    {
        DrawChart(*painter, rect, bars_);
    }

private:
    std::vector<Shell::ChartBar> bars_;
};

}  // namespace

qreal ChartHeight(const std::vector<Shell::ChartBar>& bars) { return BarRow * qreal(bars.size()) + 8; }

void DrawChart(QPainter& painter, const QRectF& area, const std::vector<Shell::ChartBar>& bars)
{
    painter.save();
    painter.translate(area.topLeft());
    painter.setRenderHint(QPainter::Antialiasing);
    const int width = int(area.width());
    const QFont font = PrintFont(13);
    painter.setFont(font);
    // Each value as the sheet shows it, its number and its unit word.
    std::vector<QString> values;
    int valueRoom = 0;
    for (const Shell::ChartBar& bar : bars) {
        values.push_back(Qs(Shell::ShownText(bar.shown)));
        valueRoom = std::max(valueRoom, QFontMetrics(font).horizontalAdvance(values.back()));
    }
    const int full = width - CaptionRoom - valueRoom - 16;
    const std::vector<int> lengths = Shell::BarLengths(bars, full);
    painter.setLayoutDirection(Qt::RightToLeft);
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const int top = 4 + BarRow * int(i);
        const int barRight = width - CaptionRoom - 8;
        painter.drawText(QRect(width - CaptionRoom, top, CaptionRoom, BarRow),
                         Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter, Qs(bars[i].caption));
        painter.fillRect(QRect(barRight - lengths[i], top + 6, lengths[i], BarRow - 12), QColor(0x2E, 0x75, 0xB6));
        painter.drawText(QRect(barRight - lengths[i] - valueRoom - 6, top, valueRoom, BarRow),
                         Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter, values[i]);
    }
    painter.restore();
}

QString ReportDate(QDate date)
{
    // Engineers in Iran date their documents in the Solar Hijri calendar, in Persian.
    return QLocale(QLocale::Persian, QLocale::Iran)
        .toString(date, QLocale::LongFormat, QCalendar(QCalendar::System::Jalali));
}

std::unique_ptr<QTextDocument> MakeReport(const Shell::ReportContent& content, const QString& date)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(PrintFont(13));
    document->setDocumentMargin(0);
    document->setDefaultStyleSheet(QStringLiteral(
        "h1 { font-size: 22px; } td { padding: 0px 10px; white-space: pre; } td.caption { color: #800000; } "
        "p.note { font-family: 'Arial'; font-style: italic; white-space: pre; }"));
    QString html = "<html><body dir=\"rtl\"><h1>" + Escaped(Shell::ReportHeading(content)) + "</h1><p>" +
                   Escaped(content.program) + "<br/>" + date.toHtmlEscaped() + "</p>";
    const QString table = QStringLiteral("<table width=\"100%\" cellspacing=\"0\">");
    if (!content.inputs.empty()) html += table + TableRows(content.inputs) + "</table><hr/>";
    html += table + TableRows(content.rows) + "</table>";
    for (const std::string& note : content.notes) html += "<p class=\"note\" dir=\"ltr\">" + Escaped(note) + "</p>";
    html += "</body></html>";
    document->setHtml(html);
    if (!content.chart.empty()) {
        document->documentLayout()->registerHandler(ChartFormat, new ChartObject(document.get(), content.chart));
        QTextCursor end(document.get());
        end.movePosition(QTextCursor::End);
        // A paragraph of its own at the right edge, as the rest of the report reads: not the
        // note's left-to-right one before it.
        QTextBlockFormat paragraph;
        paragraph.setLayoutDirection(Qt::RightToLeft);
        paragraph.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
        paragraph.setTopMargin(12);
        end.insertBlock(paragraph, QTextCharFormat());
        QTextCharFormat chart;
        chart.setObjectType(ChartFormat);
        end.insertText(QString(QChar::ObjectReplacementCharacter), chart);
    }
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

#include "PrintedReport.moc"
