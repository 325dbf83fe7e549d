#include "fixed_line.h"

namespace velmira::build {

FixedLine &FixedLine::put(int column, const QByteArray &bytes)
{
    const int start = column - 1;
    if (m_bytes.size() < start + bytes.size())
        m_bytes.append(QByteArray(start + bytes.size() - m_bytes.size(), ' '));
    m_bytes.replace(start, bytes.size(), bytes);
    return *this;
}

FixedLine &FixedLine::putNumber(int column, int width, int value)
{
    return put(column, QByteArray::number(value).rightJustified(width, ' '));
}

FixedLine &FixedLine::putZeroPadded(int column, int width, int value)
{
    return put(column, QByteArray::number(value).rightJustified(width, '0'));
}

QByteArray FixedLine::bytes() const
{
    int end = m_bytes.size();
    while (end > 0 && m_bytes[end - 1] == ' ')
        --end;
    return m_bytes.left(end);
}

QByteArray textFile(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + '\n';
    return out;
}

} // namespace velmira::build
