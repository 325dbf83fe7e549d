#include "information_lines.h"

#include "content_tables.h"
#include "text_bytes.h"

namespace velmira {

std::vector<QByteArray> informationLinesWithCode(QByteArrayView code)
{
    const LineTable &informa = content().informa;
    std::vector<QByteArray> lines;
    for (int i = 1; i <= informa.count(); ++i) {
        const QByteArray line = informa.at(i);
        if (line.startsWith(code))
            lines.push_back(columns(line, 3, 60));
    }
    return lines;
}

} // namespace velmira
