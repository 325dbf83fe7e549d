#include "print_buffer.h"

#include "line_table.h"

namespace velmira {

int fillPrintBuffer(LineTable &buffer, const QByteArray &title, const std::vector<QByteArray> &lines)
{
    buffer.set(0, title);
    int count = 0;
    for (const QByteArray &line : lines) {
        if (!buffer.contains(count + 1))
            break;
        buffer.set(++count, line);
    }
    return count;
}

} // namespace velmira
