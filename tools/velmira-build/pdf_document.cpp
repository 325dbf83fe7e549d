#include "pdf_document.h"

namespace velmira::build {
namespace {

// A4 in points, with a margin of about 2 cm.
constexpr int kPageWidth = 595;
constexpr int kPageHeight = 842;
constexpr int kMargin = 56;

struct StyleMetrics
{
    const char *font; // resource name
    int size;
    int lineHeight;
};

StyleMetrics metrics(PdfDocument::Style style)
{
    switch (style) {
    case PdfDocument::Style::Title: return {"/F2", 15, 24};
    case PdfDocument::Style::Heading: return {"/F2", 11, 17};
    case PdfDocument::Style::Normal: break;
    }
    return {"/F1", 10, 14};
}

// A PDF string literal: parentheses and backslashes escaped, bytes as they are.
QByteArray literal(const QByteArray &text)
{
    QByteArray out = "(";
    for (const char c : text) {
        if (c == '(' || c == ')' || c == '\\')
            out += '\\';
        out += c;
    }
    return out + ')';
}

} // namespace

void PdfDocument::addRow(const QList<QByteArray> &cells, const QList<int> &columns, Style style)
{
    const StyleMetrics m = metrics(style);
    if (m_y == 0 || m_y - m.lineHeight < kMargin) {
        if (m_y != 0)
            m_pages << m_current;
        m_current.clear();
        m_y = kPageHeight - kMargin;
    }
    m_y -= m.lineHeight;
    for (int k = 0; k < cells.size() && k < columns.size(); ++k) {
        if (cells[k].isEmpty())
            continue;
        m_current += "BT " + QByteArray(m.font) + ' ' + QByteArray::number(m.size) + " Tf "
            + QByteArray::number(kMargin + columns[k]) + ' ' + QByteArray::number(m_y) + " Td "
            + literal(cells[k]) + " Tj ET\n";
    }
}

QByteArray PdfDocument::bytes() const
{
    QList<QByteArray> pages = m_pages;
    if (m_y != 0)
        pages << m_current;
    if (pages.isEmpty())
        pages << QByteArray();

    // Objects 1-4: catalogue, page tree, the two fonts; then a page and its
    // content stream for each page.
    QList<QByteArray> objects;
    objects << "<< /Type /Catalog /Pages 2 0 R >>";
    QByteArray kids;
    for (int p = 0; p < pages.size(); ++p)
        kids += QByteArray::number(5 + 2 * p) + " 0 R ";
    objects << "<< /Type /Pages /Kids [" + kids.trimmed() + "] /Count " + QByteArray::number(pages.size())
            + " >>";
    objects << "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>";
    objects << "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>";
    for (int p = 0; p < pages.size(); ++p) {
        objects << "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + QByteArray::number(kPageWidth) + ' '
                + QByteArray::number(kPageHeight)
                + "] /Resources << /Font << /F1 3 0 R /F2 4 0 R >> >> /Contents "
                + QByteArray::number(6 + 2 * p) + " 0 R >>";
        objects << "<< /Length " + QByteArray::number(pages[p].size()) + " >>\nstream\n" + pages[p]
                + "endstream";
    }

    QByteArray out = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
    QList<qsizetype> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets << out.size();
        out += QByteArray::number(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = out.size();
    out += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const qsizetype offset : offsets)
        out += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
        + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

} // namespace velmira::build
