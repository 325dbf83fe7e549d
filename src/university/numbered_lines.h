#pragma once
// The lines of a list and, line by line, the number each one stands for (a
// centre, a degree, a double-degree group); 0 for headings and other lines.

#include <QByteArray>

#include <vector>

namespace velmira {

struct NumberedLines
{
    std::vector<QByteArray> lines;
    std::vector<int> numbers; // numbers[i] belongs to lines[i]

    void add(const QByteArray &line, int number)
    {
        lines.push_back(line);
        numbers.push_back(number);
    }
};

} // namespace velmira
