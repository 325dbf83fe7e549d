// Report layout (pages, header, page numbers, bold lines), the PDF output of
// the report printer, and the question window.

#include "data/line_table.h"
#include "data/print_state.h"
#include "data/question_window.h"
#include "data/report_layout.h"
#include "data/report_printer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace velmira;

namespace {

ReportRequest linesRequest(int count, int fontSize = 9)
{
    ReportRequest request;
    request.title = "Informe";
    for (int k = 1; k <= count; ++k)
        request.lines.push_back("Linea " + QByteArray::number(k));
    request.fontSize = fontSize;
    request.centreName = "IES Ejemplo";
    request.yearCaption = "Curso 2011/12";
    return request;
}

// The body lines of a page: texts at the body margin, page numbers aside.
std::vector<ReportText> bodyTexts(const ReportPage &page, int pageWidth)
{
    std::vector<ReportText> body;
    for (const ReportText &text : page.texts)
        if (text.x == pageWidth / 7 && text.text.startsWith("Linea"))
            body.push_back(text);
    return body;
}

std::vector<QByteArray> pageNumbers(const ReportPage &page, int pageWidth)
{
    std::vector<QByteArray> numbers;
    for (const ReportText &text : page.texts)
        if (text.x == pageWidth - pageWidth / 7)
            numbers.push_back(text.text);
    return numbers;
}

constexpr int kWidth = 4958; // an A4 page at 600 dpi
constexpr int kHeight = 7016;

} // namespace

class ReportPrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void roundsHalvesToEven()
    {
        QCOMPARE(roundHalfEven(2.5), 2);
        QCOMPARE(roundHalfEven(3.5), 4);
        QCOMPARE(roundHalfEven(3.4999), 3);
        QCOMPARE(roundHalfEven(-0.5), 0);
    }

    void emptyReportIsTheHeaderAlone()
    {
        const ReportLayout layout = layoutReport(linesRequest(0), kWidth, kHeight);
        QCOMPARE(layout.pages.size(), size_t(1));
        const ReportPage &page = layout.pages[0];
        QCOMPARE(page.texts.size(), size_t(3));
        QCOMPARE(page.texts[0].text, QByteArray("IES Ejemplo"));
        QCOMPARE(page.texts[0].x, kWidth / 10);
        QCOMPARE(page.texts[1].text, QByteArray("Curso 2011/12"));
        QCOMPARE(page.texts[1].x, kWidth - 2 * (kWidth / 10));
        QCOMPARE(page.texts[1].pointSize, 9);
        QCOMPARE(page.texts[2].text, QByteArray("Informe"));
        QVERIFY(page.texts[2].bold);
        const double h = double(kHeight) / 82;
        QCOMPARE(page.texts[2].y, roundHalfEven(h * 6));
        QCOMPARE(page.rules.size(), size_t(1));
        QCOMPARE(page.rules[0].y1, roundHalfEven(h * 7.5));
        QCOMPARE(page.rules[0].x2, kWidth - kWidth / 10);
    }

    void seventyLinesFitOnePageWithoutNumber()
    {
        const ReportLayout layout = layoutReport(linesRequest(70), kWidth, kHeight);
        QCOMPARE(layout.pages.size(), size_t(1));
        QCOMPARE(bodyTexts(layout.pages[0], kWidth).size(), size_t(70));
        QVERIFY(pageNumbers(layout.pages[0], kWidth).empty());
    }

    void seventyOneLinesTakeTwoNumberedPages()
    {
        const ReportLayout layout = layoutReport(linesRequest(71), kWidth, kHeight);
        QCOMPARE(layout.pages.size(), size_t(2));
        QCOMPARE(pageNumbers(layout.pages[0], kWidth), std::vector<QByteArray>{"1"});
        QCOMPARE(pageNumbers(layout.pages[1], kWidth), std::vector<QByteArray>{"2"});
        const auto second = bodyTexts(layout.pages[1], kWidth);
        QCOMPARE(second.size(), size_t(1));
        QCOMPARE(second[0].text, QByteArray("Linea 71"));
        // The body starts at the same height on every page; later pages have no header.
        QCOMPARE(second[0].y, bodyTexts(layout.pages[0], kWidth)[0].y);
        QVERIFY(layout.pages[1].rules.empty());
        QCOMPARE(layout.pages[0].texts.back().pointSize, 9);
    }

    void fontSizeTwelveTakesFiftyLinesOfASixtyFirst()
    {
        const ReportLayout layout = layoutReport(linesRequest(51, 12), kWidth, kHeight);
        QCOMPARE(layout.linesPerPage, 50);
        QCOMPARE(layout.lineHeight, double(kHeight) / 61);
        QCOMPARE(layout.pages.size(), size_t(2));
        const auto first = bodyTexts(layout.pages[0], kWidth);
        QCOMPARE(first[1].y, roundHalfEven(double(kHeight) / 61 + roundHalfEven(double(kHeight) / 61 * 8)));
        QCOMPARE(pageNumbers(layout.pages[0], kWidth).size(), size_t(1));
    }

    void boldLinesAreBoldAndTheNextIsNormalAgain()
    {
        ReportRequest request = linesRequest(5);
        request.boldLines = {3};
        request.monospaced = true;
        const auto body = bodyTexts(layoutReport(request, kWidth, kHeight).pages[0], kWidth);
        QVERIFY(!body[1].bold);
        QVERIFY(body[2].bold);
        QVERIFY(!body[3].bold);
        QCOMPARE(body[2].font, ReportFont::Courier);
    }

    void printsToThePdfNamedInTheEnvironment()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        qputenv("VELMIRA_PRINT_PDF", pdf.toLocal8Bit());
        LineTable buffer(1501, 60);
        buffer.set(0, "Resultados");
        for (int k = 1; k <= 75; ++k)
            buffer.set(k, "Linea " + QByteArray::number(k));
        buffer.set(76, "restos de un informe anterior");
        setBoldLines({});
        PrintLines(buffer, 75, false, 9);
        qunsetenv("VELMIRA_PRINT_PDF");

        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
                 2);
        // Entries above the count are emptied once the job has started.
        QVERIFY(buffer.at(76).isEmpty());
        QCOMPARE(buffer.at(75), QByteArray("Linea 75"));
    }

    void questionWindowAnswersAndResets()
    {
        TForm4 window;
        window.LabelNombre->setText(QStringLiteral("¿Nombre?"));
        window.EditNombre->show();
        window.ShadowNo->hide();
        QTimer::singleShot(0, window.ShadowSi, &QPushButton::click);
        QCOMPARE(window.ask(), TForm4::kYes);
        QVERIFY(window.EditNombre->isHidden());
        QVERIFY(!window.ShadowNo->isHidden());

        QTimer::singleShot(0, &window, &QDialog::reject);
        QCOMPARE(window.ask(), TForm4::kNo);
        QTimer::singleShot(0, window.ShadowNo, &QPushButton::click);
        QCOMPARE(window.ask(), TForm4::kNo);
    }
};

QTEST_MAIN(ReportPrintingTest)
#include "tst_report_printing.moc"
