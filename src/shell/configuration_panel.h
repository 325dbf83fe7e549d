#pragma once
// The configuration panel of the main menu: language, decoration theme, font
// and encoding, saved after the password. Its captions are fixed Castilian
// texts. Its four panels are children of the main menu window, in window
// coordinates.

#include <QObject>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace velmira {

class ConfigurationPanel : public QObject
{
    Q_OBJECT
public:
    explicit ConfigurationPanel(QWidget *window);

    // Shows the panel with the radio button of the current mode.
    void open();
    // Hides the panel and the three panels it opens.
    void close();

signals:
    void themeChosen(char letter);
    void fontChosen(const QString &family);

private:
    void createConfigPanel(QWidget *window);
    void createLanguagePanel(QWidget *window);
    void createThemePanel(QWidget *window);
    void createSavePanel(QWidget *window);
    void showThemes();

    void chooseLanguage(unsigned char value);
    void showLanguageColours();
    void Button5Click();
    void Button7Click();

    QFrame *PanelConfig = nullptr;
    QRadioButton *RUTF = nullptr;
    QRadioButton *RISO = nullptr;
    QFrame *PanelIdioma = nullptr;
    std::array<QPushButton *, 4> m_languageButtons{}; // BotCas, BotCat, BotGal, BotEus
    int m_chosenLanguage = -1;
    QFrame *Paneldecorados = nullptr;
    std::array<QLabel *, 7> m_themePictures{}; // left to right, as kThemeLetters
    QFrame *PanelGuardar = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *LabelClave = nullptr;
};

} // namespace velmira
