#include "certificate_catalogue.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"

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

namespace velmira::certificates {

using namespace certificates_text;

namespace {

constexpr int kGroupCodeLength = 8;
constexpr int kPrintedDescription = 60;
constexpr int kPrintedLabel = 25;
const QByteArray kLabelIndent(7, ' ');

bool isHeading(const QByteArray &line) { return line.size() >= 2 && line[1] == '-'; }

} // namespace

QByteArray rowText(int line) { return trimTrailingBlanks(content().certifica.at(line).mid(1)); }

QByteArray groupName(int group)
{
    return trimTrailingBlanks(content().certificaGroups.at(group).mid(kGroupCodeLength));
}

std::vector<int> familiesOfGroup(int group)
{
    const LineTable &certifica = content().certifica;
    const QByteArray codes = columns(content().certificaGroups.at(group), 1, kGroupCodeLength);
    std::vector<int> headings;
    for (int line = 1; line <= certifica.count(); ++line) {
        const QByteArray text = certifica.at(line);
        if (!isHeading(text))
            continue;
        for (char code : codes)
            if (code != ' ' && text[0] == code)
                headings.push_back(line);
    }
    return headings;
}

std::vector<int> certificatesOfFamily(int heading)
{
    const LineTable &certifica = content().certifica;
    std::vector<int> lines;
    for (int line = heading + 1; line <= certifica.count() && !isHeading(certifica.at(line)); ++line)
        lines.push_back(line);
    return lines;
}

QByteArray requirementText(int certificate)
{
    QByteArray text;
    for (const QByteArray &label : requirementLabelsOfCertificate(certificate))
        text += label + '\r';
    return text;
}

std::vector<QByteArray> familyReport(int heading, const std::vector<int> &listed)
{
    std::vector<QByteArray> rows = {interfaceText(kCaption), interfaceText(kFamily) + ':', rowText(heading)};
    for (int certificate : listed) {
        rows.push_back(rowText(certificate));
        rows.push_back(leftCharacters(descriptionOfCertificate(certificate), kPrintedDescription));
        rows.push_back(interfaceText(kRequirements));
        for (const QByteArray &label : requirementLabelsOfCertificate(certificate))
            rows.push_back(kLabelIndent + leftCharacters(label, kPrintedLabel));
        rows.push_back(interfaceText(kHours) + ": " + hoursOfCertificate(certificate));
        rows.push_back({});
    }
    return rows;
}

} // namespace velmira::certificates
