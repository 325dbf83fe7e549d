#include "source_error.h"

namespace velmira::build {

QString SourceError::message() const
{
    const QString where = line > 0 ? QStringLiteral("content/%1:%2").arg(file).arg(line)
                                   : QStringLiteral("content/%1").arg(file);
    return where + QStringLiteral(": ") + what;
}

} // namespace velmira::build
