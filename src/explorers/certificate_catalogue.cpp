#include "certificate_catalogue.h"

#include "data/content_tables.h"
#include "data/text_bytes.h"

namespace velmira {

namespace {
constexpr int kCodes = 3;
constexpr int kLabelCharacters = 27;
} // namespace

std::vector<QByteArray> requirementLabelsOfCertificate(int certificate)
{
    const LineTable &labels = content().certificateRequirements;
    const QByteArray codes = content().certificah.at(certificate).left(kCodes);
    std::vector<QByteArray> found;
    for (const char code : codes) {
        if (code == ' ')
            continue;
        for (int i = 1; i <= labels.count(); ++i) {
            const QByteArray label = labels.at(i);
            if (label.startsWith(code))
                found.push_back(trimTrailingBlanks(leftCharacters(label.mid(1), kLabelCharacters)));
        }
    }
    return found;
}

QByteArray hoursOfCertificate(int certificate)
{
    return columns(content().certificah.at(certificate), 4, 6).trimmed();
}

QByteArray descriptionOfCertificate(int certificate)
{
    return trimTrailingBlanks(content().certificah.at(certificate).mid(7));
}

} // namespace velmira
