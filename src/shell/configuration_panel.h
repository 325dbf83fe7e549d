#pragma once
// The configuration panel of the main menu: language, decoration theme, font
// and encoding, saved after the password. Its captions are fixed Castilian
// texts.

#include <QFrame>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace velmira {

class ConfigurationPanel : public QObject
{
    Q_OBJECT
public:
    explicit ConfigurationPanel(QWidget *window);

    QFrame *PanelConfig = nullptr;
    QFrame *PanelIdioma = nullptr;
    QFrame *Paneldecorados = nullptr;
    QFrame *PanelGuardar = nullptr;
    QRadioButton *RUTF = nullptr;
    QRadioButton *RISO = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *LabelClave = nullptr;

    // LabelConfi: shows the panel with the radio button of the current mode.
    void LabelConfiClick();
    void hideAll();

signals:
    void themeChosen(char letter);
    void fontChosen(const QString &family);

private:
    void createConfigPanel(QWidget *window);
    void createLanguagePanel(QWidget *window);
    void createThemePanel(QWidget *window);
    void createSavePanel(QWidget *window);
    void chooseLanguage(unsigned char value);
    void chooseFont();
    void save();

    QList<QPushButton *> m_languageButtons;
};

} // namespace velmira
