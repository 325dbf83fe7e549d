#include "text_file.h"

#include "load_notes.h"

#include <QFile>

namespace velmira {

std::vector<QByteArray> splitLines(const QByteArray &contents)
{
    std::vector<QByteArray> lines;
    qsizetype start = 0;
    while (start < contents.size()) {
        qsizetype end = contents.indexOf('\n', start);
        const bool last = end < 0;
        if (last)
            end = contents.size();
        qsizetype stop = end;
        if (stop > start && contents[stop - 1] == '\r')
            --stop;
        lines.push_back(contents.sliced(start, stop - start));
        start = end + 1;
    }
    return lines;
}

std::optional<std::vector<QByteArray>> readTextLines(const QByteArray &name)
{
    QFile file(QString::fromLocal8Bit(name));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return splitLines(file.readAll());
}

void noteLinesBeyond(const QByteArray &file, int lineCount, int maxLines)
{
    if (lineCount > maxLines)
        addLoadNote(
            file, maxLines + 1,
            QStringLiteral("%1 lines, the table holds %2: the rest is ignored").arg(lineCount).arg(maxLines));
}

} // namespace velmira
