#include "report_printer.h"

#include "data/content_tables.h"
#include "data/line_table.h"
#include "data/messages.h"
#include "data/print_buffer.h"
#include "data/print_state.h"
#include "data/report_layout.h"
#include "data/settings.h"
#include "data/text_bytes.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QtGlobal>

namespace velmira {

namespace {

// With VELMIRA_PRINT_PDF set, the report goes to that file without a dialog.
bool choosePrinter(QPrinter &printer)
{
    const QString pdf = qEnvironmentVariable("VELMIRA_PRINT_PDF");
    if (!pdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    }
    QPrintDialog dialog(&printer);
    return dialog.exec() == QDialog::Accepted;
}

QFont reportFont(const ReportText &text, QPaintDevice *device)
{
    QFont font(text.font == ReportFont::Courier ? QStringLiteral("Courier")
                                                : QString::fromLatin1(fontName()));
    font.setPointSize(text.pointSize);
    font.setBold(text.bold);
    return QFont(font, device);
}

// Texts are placed by their top edge, so each is drawn one ascent lower.
void drawReport(QPainter &painter, QPrinter &printer, const ReportLayout &layout)
{
    for (size_t p = 0; p < layout.pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        for (const ReportRule &rule : layout.pages[p].rules)
            painter.drawLine(rule.x1, rule.y1, rule.x2, rule.y2);
        for (const ReportText &text : layout.pages[p].texts) {
            painter.setFont(reportFont(text, &printer));
            painter.drawText(text.x, text.y + painter.fontMetrics().ascent(), displayText(text.text));
        }
    }
}

// Every report from a new page of the one job; false when none was printed.
bool printReports(const std::vector<ReportRequest> &reports)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!choosePrinter(printer))
        return false;
    QPainter painter;
    if (!painter.begin(&printer)) {
        showMessage(QStringLiteral("No Impresora"));
        return false;
    }
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    for (size_t r = 0; r < reports.size(); ++r) {
        if (r > 0)
            printer.newPage();
        drawReport(painter, printer, layoutReport(reports[r], page.width(), page.height()));
    }
    painter.end();
    return true;
}

} // namespace

void PrintListing(const QByteArray &title, const std::vector<QByteArray> &rows, const std::set<int> &bold,
                  int fontSize)
{
    LineTable &buffer = work().print1;
    const int count = fillPrintBuffer(buffer, title, rows);
    setBoldLines(bold);
    if (askPrintQuestion())
        PrintLines(buffer, count, true, fontSize);
    setBoldLines({});
}

void PrintLines(LineTable &buffer, int count, bool monospaced, int fontSize)
{
    if (!printReports({reportRequest(buffer, count, monospaced, fontSize)}))
        return;
    for (int k = count + 1; k <= 1500 && k < buffer.size(); ++k)
        buffer.set(k, QByteArray());
}

void PrintReports(const std::vector<ReportRequest> &reports) { printReports(reports); }

} // namespace velmira
