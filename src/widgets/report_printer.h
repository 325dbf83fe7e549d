#pragma once
// The one report printer. Asks for the printer, lays the report out and draws
// it. With VELMIRA_PRINT_PDF=path set, the dialog is skipped and the report
// is written to that PDF.

#include <QByteArray>

#include <set>
#include <vector>

namespace velmira {

class LineTable;
struct ReportRequest;

// Prints lines 1..count of the buffer with entry 0 as the title: "Courier"
// when monospaced, the settings font otherwise. Shows "No Impresora" when
// the print job cannot start; entries above the count are emptied once it has.
void PrintLines(LineTable &buffer, int count, bool monospaced, int fontSize);

// A listing printed as the windows print theirs: the print question first,
// then, on OK, the title and rows through the shared print buffer in
// "Courier", with the rows numbered in `bold` (from 1) printed bold.
void PrintListing(const QByteArray &title, const std::vector<QByteArray> &rows, const std::set<int> &bold,
                  int fontSize);
// Prints several reports as one job, each from a new page with its own
// title and font: one printer choice for a report in parts.
void PrintReports(const std::vector<ReportRequest> &reports);

} // namespace velmira
