#pragma once
// A source that does not fit its format, reported as
// "content/<file>:<line>: <what is wrong>".

#include <QString>

namespace velmira::build {

struct SourceError
{
    QString file; // path inside the content directory
    int line = 0; // 0 when the file as a whole is at fault
    QString what;

    QString message() const;
};

} // namespace velmira::build
