#include "degree_centres.h"

#include "load_notes.h"
#include "messages.h"
#include "record_files.h"

#include <algorithm>

namespace velmira {

DegreeCentres::DegreeCentres()
    : m_centres(kBlockBytes, 0)
    , m_marks(kBlockBytes, 0)
{
}

int DegreeCentres::byteAt(const std::vector<std::uint8_t> &list, int degree, int k) const
{
    if (degree < 1 || degree > kDegrees || k < 0 || k >= kEntryBytes)
        return 0;
    return list[(degree - 1) * kEntryBytes + k];
}

int DegreeCentres::centreCount(int degree) const
{
    return std::min(byteAt(m_centres, degree, 0), kEntryBytes - 1);
}

int DegreeCentres::centre(int degree, int k) const { return k >= 1 ? byteAt(m_centres, degree, k) : 0; }

int DegreeCentres::mark(int degree, int k) const { return k >= 1 ? byteAt(m_marks, degree, k) : 0; }

QByteArray markText(int tenths)
{
    if (tenths == DegreeCentres::kNoMark)
        return "  - ";
    const QByteArray digits = QByteArray::number(tenths).rightJustified(3, ' ');
    return digits.left(digits.size() - 1) + ',' + digits.right(1);
}

bool DegreeCentres::fillFrom(const QByteArray &contents)
{
    constexpr qsizetype group = 5LL * kBlockBytes;
    if (contents.size() % group != 0)
        return false;
    for (qsizetype offset = 0; offset < contents.size(); offset += group) {
        const auto *bytes = reinterpret_cast<const std::uint8_t *>(contents.constData() + offset);
        std::copy(bytes, bytes + kBlockBytes, m_centres.begin());
        std::copy(bytes + 2 * kBlockBytes, bytes + 3 * kBlockBytes, m_marks.begin());
    }
    return true;
}

void LoadDegreeCentres(const QByteArray &name, DegreeCentres &centres)
{
    const QByteArray contents = readRecordFile(name);
    if (!centres.fillFrom(contents))
        throw FileError(name,
                        QStringLiteral("el fichero tiene %1 bytes, que no son grupos enteros "
                                       "de cinco bloques de %2")
                            .arg(contents.size())
                            .arg(DegreeCentres::kBlockBytes));
    for (int d = 1; d <= DegreeCentres::kDegrees; ++d)
        if (centres.storedCentreCount(d) > centres.centreCount(d))
            addLoadNote(name, 0,
                        QStringLiteral("degree %1 lists %2 centres, at most 100 are read")
                            .arg(d)
                            .arg(centres.storedCentreCount(d)));
}

} // namespace velmira
