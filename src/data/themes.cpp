#include "themes.h"

#include <optional>

namespace velmira {

namespace {

struct ThemeRow
{
    char letter;
    ThemePictures pictures;
    std::optional<QColor> theme;
    std::optional<QColor> highlight;
    QColor font;
};

const ThemeRow kThemes[] = {
    {'B',
     {"suelob", "marcoar", "marcodeb", "marcoizb", "parteb", {}, true},
     QColor(0, 128, 0),
     QColor(66, 119, 64),
     Qt::yellow},
    {'M',
     {"suelom", "marcoarrm", "marcom", "marcom", "partem", "imagem", false},
     QColor(221, 97, 66),
     QColor(190, 5, 37),
     QColor(128, 0, 0)},
    {'I',
     {"sueloi", "marcoarra", "marcodera", "marcoizqa", "partei", "imagei", false},
     QColor(140, 112, 101),
     std::nullopt,
     Qt::yellow},
    {'H',
     {"sueloh", "marcoh", "marcoh", "marcoh", "parteh", "imageh", false},
     QColor(140, 112, 101),
     std::nullopt,
     Qt::yellow},
    {'C',
     {"sueloc", "marcoarra", "marcodera", "marcoizqa", "partec", "imagec", false},
     QColor(188, 119, 99),
     std::nullopt,
     QColor(0, 0, 128)},
    {'N',
     {"suelon", "marcoarrn", "marcodern", "marcoizqn", "parten", "imagen", false},
     QColor(0, 0, 255),
     std::nullopt,
     QColor(0, 0, 128)},
    {'P',
     {"suelop", "marcoar", "marcode", "marcoiz", "partep", "imagep", false},
     std::nullopt,
     std::nullopt,
     QColor(0, 0, 128)},
};

} // namespace

bool ThemeState::apply(char letter)
{
    for (const ThemeRow &row : kThemes) {
        if (row.letter != letter)
            continue;
        m_pictures = row.pictures;
        if (row.theme)
            m_colours.theme = *row.theme;
        if (row.highlight)
            m_colours.highlight = *row.highlight;
        m_colours.font = row.font;
        return true;
    }
    return false;
}

} // namespace velmira
