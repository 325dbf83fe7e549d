#pragma once
// The seven decoration themes of the main menu: which pictures make the
// scene and which colours the doors and labels take. A colour a theme leaves
// unchanged keeps the value of the theme applied before it (black at start).

#include <QColor>
#include <QString>

namespace velmira {

struct ThemePictures
{
    QString floor;
    QString topFrame;
    QString rightFrame;
    QString leftFrame;
    QString tile;
    QString picture;       // shown in Image1; empty for the animated theme
    bool animated = false; // theme "B" plays "fuente.gif" instead
};

struct ThemeColours
{
    QColor theme = Qt::black;
    QColor highlight = Qt::black; // door under the mouse; LabelCentro/LabelAno background
    QColor font = Qt::black;      // LabelDejar, LabelCentro, LabelAno
};

class ThemeState
{
public:
    // Applies the theme of the letter; any other letter changes nothing and
    // returns false.
    bool apply(char letter);

    const ThemePictures &pictures() const { return m_pictures; }
    const ThemeColours &colours() const { return m_colours; }

private:
    ThemePictures m_pictures;
    ThemeColours m_colours;
};

// The letters in the order the configuration panel shows their pictures.
constexpr char kThemeLetters[] = {'B', 'M', 'H', 'I', 'C', 'N', 'P'};

} // namespace velmira
