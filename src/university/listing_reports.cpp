#include "listing_reports.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/settings.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "university/centre_lists.h"
#include "university/degree_catalogue.h"
#include "university/degree_details.h"
#include "university/place_lists.h"

namespace velmira {

namespace {

QByteArray text(int k) { return trimTrailingBlanks(interfaceText(k)); }

int leadingBlanks(const QByteArray &row)
{
    int n = 0;
    while (n < row.size() && row[n] == ' ')
        ++n;
    return n;
}

bool continuesLetter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Where a row longer than a report row is broken: after its last blank that
// fits beyond the indentation, or at the limit moved back to a letter's start.
int breakPoint(const QByteArray &row, int indent)
{
    const int blank = row.lastIndexOf(' ', kReportRowBytes);
    if (blank > indent)
        return blank;
    int at = kReportRowBytes;
    while (at > indent + 1 && continuesLetter(row[at]))
        --at;
    return at;
}

void addRows(std::vector<QByteArray> &rows, const std::vector<QByteArray> &more)
{
    rows.insert(rows.end(), more.begin(), more.end());
}

} // namespace

std::vector<QByteArray> wrapRows(const std::vector<QByteArray> &rows)
{
    std::vector<QByteArray> wrapped;
    for (const QByteArray &whole : rows) {
        QByteArray row = trimTrailingBlanks(whole);
        const QByteArray indent(leadingBlanks(row) + 3, ' ');
        while (row.size() > kReportRowBytes) {
            const int at = breakPoint(row, indent.size() - 3);
            wrapped.push_back(trimTrailingBlanks(row.left(at)));
            row = indent + row.mid(at).trimmed();
        }
        wrapped.push_back(row);
    }
    return wrapped;
}

ListingReport degreeReport(int degree)
{
    ListingReport report;
    report.title = text(kUniversityDegreesShort) + ":  " + degreeName(degree).trimmed();
    report.rows = centreListOfDegree(degree).lines;
    report.boldRows = {1, 2, int(report.rows.size()) + 1};
    addRows(report.rows, requirementsLines(degree));
    report.rows.push_back({});
    report.rows.push_back(QByteArray(11, ' ') + text(kInformationHeading));
    report.boldRows.insert(int(report.rows.size()));
    std::vector<QByteArray> information = informationText(degree);
    while (!information.empty() && isBlank(information.back()))
        information.pop_back();
    addRows(report.rows, wrapRows(information));
    return report;
}

ListingReport doubleDegreeReport(bool byDegree, const QByteArray &chosenName,
                                 const std::vector<QByteArray> &list)
{
    ListingReport report;
    report.title = text(kDoubleDegreesCaption);
    report.rows = {"    " + centreName(),
                   {},
                   QByteArray(14, ' ') + text(kDoubleDegreesCaption),
                   {},
                   "    " + text(byDegree ? kDegreeLabel : kPlaceLabel) + ": " + chosenName.trimmed(),
                   "    " + QByteArray(45, '_'),
                   {}};
    addRows(report.rows, wrapRows(list));
    return report;
}

ListingReport otherStudyReport(int entry)
{
    return {text(kOtherStudiesHeading) + ": " + content().otros.at(entry).trimmed(),
            wrapRows(otherStudyLines(entry)),
            {}};
}

ListingReport mastersReport()
{
    return {QByteArray(11, ' ') + text(kMastersCaption), wrapRows(mastersText()), {}};
}

ListingReport centreDegreesReport(int centre)
{
    ListingReport report{content().lugar.names.at(centre).trimmed(), degreeListOfCentre(centre).lines, {}};
    for (size_t i = 0; i < report.rows.size(); ++i)
        if (report.rows[i].startsWith("-   "))
            report.boldRows.insert(int(i) + 1);
    return report;
}

} // namespace velmira
