#include "explainer_information.h"

#include "data/content_tables.h"
#include "data/information_lines.h"
#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"

namespace velmira {

namespace {

QByteArray withoutBlanks(const QByteArray &line)
{
    qsizetype first = 0;
    while (first < line.size() && line[first] == ' ')
        ++first;
    return trimTrailingBlanks(QByteArrayView(line).sliced(first));
}

class InformationList
{
public:
    void code(const char *code)
    {
        for (const QByteArray &line : informationLinesWithCode(code))
            m_lines.push_back(line);
    }
    void heading(int text) { m_lines.push_back(interfaceText(text)); }
    void heading(int text, int second)
    {
        m_lines.push_back(interfaceText(text) + ' ' + interfaceText(second));
    }
    void line(const QByteArray &line) { m_lines.push_back(line); }

    std::vector<QByteArray> lines() const
    {
        std::vector<QByteArray> out;
        out.reserve(m_lines.size());
        for (const QByteArray &line : m_lines)
            out.push_back(withoutBlanks(line));
        return out;
    }

private:
    std::vector<QByteArray> m_lines;
};

// The higher-grade titles, without the mark of the titles after the
// ordinary families.
void addHigherGradeTitles(InformationList &list)
{
    const LineTable &titles = content().fpTitles;
    for (int i = 1; i <= titles.count(); ++i) {
        const QByteArray title = titles.at(i);
        list.line(title.startsWith('|') ? title.mid(1) : title);
    }
}

} // namespace

const std::vector<int> &informationPictures()
{
    static const std::vector<int> pictures = {15, 16, 17, 18, 19, 20, 21, 23, 25, 31, 32};
    return pictures;
}

std::vector<QByteArray> explainerInformation(int picture)
{
    InformationList list;
    switch (picture) {
    case 15: list.code("31"); break;
    case 16: list.code("34"); break;
    case 17: list.code("35"); break;
    case 18: list.code("19"); break;
    case 19: list.code("17"); break;
    case 20: list.code("38"); break;
    case 31: list.code("29"); break;
    case 23:
        list.heading(kCompulsorySecondaryName);
        list.code("16");
        break;
    case 32:
        list.heading(kBachilleratoName);
        list.code("28");
        break;
    case 25:
        list.code("30");
        list.code("20");
        list.heading(kHumanitiesName);
        list.code("21");
        list.heading(kSciencesName, kSocialName);
        list.code("22");
        list.heading(kSciencesName, kEngineeringName);
        list.code("24");
        list.heading(kSciencesSecondName, kHealthName);
        list.code("25");
        list.heading(kSciencesSecondName);
        list.code("26");
        list.heading(kArtsName);
        list.code("23");
        break;
    case 21:
        list.line(interfaceText(kModulesName) + " ...");
        list.heading(kProfessionalFamiliesName);
        addHigherGradeTitles(list);
        break;
    default: break;
    }
    return list.lines();
}

} // namespace velmira
