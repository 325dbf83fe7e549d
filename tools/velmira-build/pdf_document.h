#pragma once
// A plain PDF of text pages in the standard Helvetica fonts. Text is Latin-1,
// shown through the WinAnsi encoding, so accented letters need no embedded
// font. The bytes depend on the text alone: the same sources give the same file.

#include <QByteArray>
#include <QList>

namespace velmira::build {

class PdfDocument
{
public:
    enum class Style { Normal, Heading, Title };

    // One line of cells; cell k starts `columns[k]` points right of the left
    // margin. A line that does not fit on the page starts a new one.
    void addRow(const QList<QByteArray> &cells, const QList<int> &columns, Style style = Style::Normal);
    void addLine(const QByteArray &text, Style style = Style::Normal) { addRow({text}, {0}, style); }
    void addSpace() { addLine(QByteArray()); }

    QByteArray bytes() const;

private:
    QList<QByteArray> m_pages; // content streams
    QByteArray m_current;
    int m_y = 0; // baseline of the next line; 0 before the first page
};

} // namespace velmira::build
