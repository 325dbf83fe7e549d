#pragma once
// Where every piece of a printed report goes, computed from the page size
// alone so that it can be checked without a printer. A report is the lines
// 1..count of a print buffer with entry 0 as its title; the first page
// carries a header, and when the report needs more than one page every page
// carries its number.

#include <QByteArray>

#include <set>
#include <vector>

namespace velmira {

class LineTable;

enum class ReportFont { Settings, Courier };

struct ReportText
{
    int x = 0;
    int y = 0;       // top of the text
    QByteArray text; // stored bytes
    ReportFont font = ReportFont::Settings;
    int pointSize = 0;
    bool bold = false;
};

struct ReportRule
{
    int x1, y1, x2, y2;
};

struct ReportPage
{
    std::vector<ReportText> texts;
    std::vector<ReportRule> rules;
};

struct ReportRequest
{
    QByteArray title;
    std::vector<QByteArray> lines; // lines 1..count
    bool monospaced = false;
    int fontSize = 9;
    std::set<int> boldLines; // line numbers from 1
    QByteArray centreName;
    QByteArray yearCaption; // interface text 175 + " " + "2011/12"
};

struct ReportLayout
{
    int linesPerPage = 0;
    double lineHeight = 0;
    std::vector<ReportPage> pages;
};

// The size the centre name is printed at: the printer canvas's own default.
constexpr int kHeaderFontSize = 10;

// Rounds to the nearest integer, halves to the even neighbour.
int roundHalfEven(double value);

ReportLayout layoutReport(const ReportRequest &request, int pageWidth, int pageHeight);

// The request for lines 1..count of a print buffer.
ReportRequest reportRequest(const LineTable &buffer, int count, bool monospaced, int fontSize);

} // namespace velmira
