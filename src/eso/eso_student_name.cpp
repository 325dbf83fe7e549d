#include "eso_student_name.h"

#include "data/text_bytes.h"

namespace velmira {

QByteArray studentHeading(QByteArrayView name, int course, StudentNameUse use)
{
    const QString ending =
        use == StudentNameUse::Saving ? QStringLiteral("º de ESO.TXT") : QStringLiteral("º de ESO");
    const QByteArray heading = name.toByteArray().left(kStudentNameCapacity) + "  -  "
        + QByteArray::number(course) + storedText(ending);
    return heading.left(kStudentNameCapacity);
}

bool StudentName::accept(QByteArrayView typed, int course, StudentNameUse use)
{
    if (typed.isEmpty())
        return false;
    m_text = studentHeading(typed, course, use);
    return true;
}

} // namespace velmira
