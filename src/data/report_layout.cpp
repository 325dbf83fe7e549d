#include "report_layout.h"

#include "interface_texts.h"
#include "line_table.h"
#include "print_state.h"
#include "settings.h"
#include "text_ids.h"

#include <cmath>

namespace velmira {

int roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5)
        return static_cast<int>(floor) + 1;
    if (diff < 0.5)
        return static_cast<int>(floor);
    const int low = static_cast<int>(floor);
    return low % 2 == 0 ? low : low + 1;
}

ReportLayout layoutReport(const ReportRequest &request, int pageWidth, int pageHeight)
{
    ReportLayout layout;
    const bool large = request.fontSize == 12;
    const int L = large ? 50 : 70;
    const int E = large ? 11 : 12;
    const double h = static_cast<double>(pageHeight) / (L + E);
    const int m = pageWidth / 10;
    const int top = roundHalfEven(h * 8);
    layout.linesPerPage = L;
    layout.lineHeight = h;
    layout.pages.emplace_back();

    // The header of the first page. The style carries over from one piece to
    // the next, as on a printer canvas.
    ReportPage &first = layout.pages.back();
    const int headerY = roundHalfEven(h * 4);
    first.texts.push_back({m, headerY, request.centreName, ReportFont::Settings, kHeaderFontSize, true});
    first.texts.push_back({pageWidth - 2 * m, headerY, request.yearCaption, ReportFont::Settings, 9, true});
    first.texts.push_back(
        {m, roundHalfEven(h * 6), request.title, ReportFont::Settings, request.fontSize, true});
    const int ruleY = roundHalfEven(h * 7.5);
    first.rules.push_back({m, ruleY, pageWidth - m, ruleY});

    const int bodyMargin = pageWidth / 7;
    const ReportFont bodyFont = request.monospaced ? ReportFont::Courier : ReportFont::Settings;
    const int count = static_cast<int>(request.lines.size());
    bool bold = true;
    int page = 0;
    int row = 0;
    for (int k = 1; k <= count; ++k) {
        if (count > L && row == 0) {
            ++page;
            layout.pages.back().texts.push_back({pageWidth - bodyMargin, roundHalfEven(h * 6),
                                                 QByteArray::number(page), bodyFont, request.fontSize + 3,
                                                 bold});
        }
        ++row;
        bold = request.boldLines.count(k) > 0;
        layout.pages.back().texts.push_back({bodyMargin, roundHalfEven((row - 1) * h + top),
                                             request.lines[k - 1], bodyFont, request.fontSize, bold});
        if (row >= L && k < count) {
            row = 0;
            layout.pages.emplace_back();
        }
    }
    return layout;
}

ReportRequest reportRequest(const LineTable &buffer, int count, bool monospaced, int fontSize)
{
    ReportRequest request;
    request.title = buffer.at(0);
    for (int k = 1; k <= count && k < buffer.size(); ++k)
        request.lines.push_back(buffer.at(k));
    request.monospaced = monospaced;
    request.fontSize = fontSize;
    request.boldLines = boldLines();
    request.centreName = centreName();
    request.yearCaption = interfaceText(kSchoolYearCaption) + " 2011/12";
    return request;
}

} // namespace velmira
