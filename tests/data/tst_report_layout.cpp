// Report layout: pages, header, page numbers and bold lines.

#include "data/report_layout.h"

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

class ReportLayoutTest : public QObject
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
};

QTEST_GUILESS_MAIN(ReportLayoutTest)
#include "tst_report_layout.moc"
