#include "configuration_panel.h"

#include "data/encoding.h"
#include "data/messages.h"
#include "data/picture_names.h"
#include "data/pictures.h"
#include "data/settings.h"
#include "data/themes.h"
#include "shell/configuration_save.h"
#include "widgets/window_controls.h"

#include <QFontDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace velmira {

namespace {

QFrame *framedPanel(QWidget *window, const char *name, const QRect &geometry, const QColor &colour)
{
    auto *frame = new QFrame(window);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setFrameShape(QFrame::Box);
    QPalette shades = frame->palette();
    shades.setColor(QPalette::Window, colour);
    frame->setPalette(shades);
    frame->setAutoFillBackground(true);
    frame->hide();
    return frame;
}

QPushButton *captioned(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    QPushButton *b = button(parent, name, geometry);
    b->setText(caption);
    return b;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    l->setWordWrap(true);
    // Measured in the settings font, which the window gives its labels.
    QFont font = l->font();
    font.setFamily(QString::fromLatin1(fontName()));
    l->setFont(fittingFont(font, caption, geometry.size(), true));
    return l;
}

QRadioButton *radio(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *r = new QRadioButton(caption, parent);
    r->setObjectName(QString::fromLatin1(name));
    r->setGeometry(geometry);
    return r;
}

void showAbove(QWidget *panel)
{
    panel->show();
    panel->raise();
}

// A theme's picture for its button: the theme picture, or the first frame of
// the animation for the animated theme.
QPixmap themeThumbnail(char letter)
{
    ThemeState theme;
    theme.apply(letter);
    const QString name = theme.pictures().animated ? QStringLiteral("fuente.gif") : theme.pictures().picture;
    try {
        return loadPicture(name);
    } catch (const FileError &) {
        return {}; // the theme reports it when it is chosen
    }
}

// A picture that reports clicks, for the theme choice.
class ClickablePicture : public QLabel
{
public:
    ClickablePicture(QWidget *parent, std::function<void()> onClick)
        : QLabel(parent)
        , m_onClick(std::move(onClick))
    {
        setCursor(Qt::PointingHandCursor);
        setScaledContents(true);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *) override { m_onClick(); }

private:
    std::function<void()> m_onClick;
};

} // namespace

ConfigurationPanel::ConfigurationPanel(QWidget *window)
    : QObject(window)
{
    createConfigPanel(window);
    createLanguagePanel(window);
    createThemePanel(window);
    createSavePanel(window);
}

void ConfigurationPanel::createConfigPanel(QWidget *window)
{
    PanelConfig = framedPanel(window, "PanelConfig", QRect(400, 260, 177, 241), Qt::white);
    label(PanelConfig, "Label2",
          QStringLiteral("Habrá que Guardar y reiniciar el programa para que los cambios tengan efecto"),
          QRect(8, 4, 161, 44));
    auto *Button1 =
        captioned(PanelConfig, "Button1", QStringLiteral("Cambio de Idioma"), QRect(8, 52, 161, 25));
    auto *Botdeco =
        captioned(PanelConfig, "Botdeco", QStringLiteral("Cambio decorado"), QRect(8, 80, 161, 25));
    auto *Button5 =
        captioned(PanelConfig, "Button5", QStringLiteral("Cambio tipo letra"), QRect(8, 108, 161, 25));
    label(PanelConfig, "Label1", QStringLiteral("Forzar"), QRect(8, 140, 50, 20));
    RUTF = radio(PanelConfig, "RUTF", QStringLiteral("UTF"), QRect(60, 140, 55, 20));
    RISO = radio(PanelConfig, "RISO", QStringLiteral("ISO"), QRect(115, 140, 55, 20));
    auto *Button3 = captioned(PanelConfig, "Button3", QStringLiteral("Guardar"), QRect(8, 172, 161, 25));
    auto *Button2 = captioned(PanelConfig, "Button2", QStringLiteral("Cerrar"), QRect(8, 204, 161, 25));
    connect(Button1, &QPushButton::clicked, this, [this] { showAbove(PanelIdioma); });
    connect(Botdeco, &QPushButton::clicked, this, &ConfigurationPanel::showThemes);
    connect(Button5, &QPushButton::clicked, this, &ConfigurationPanel::Button5Click);
    connect(Button3, &QPushButton::clicked, this, [this] { showAbove(PanelGuardar); });
    connect(Button2, &QPushButton::clicked, this, &ConfigurationPanel::close);
}

void ConfigurationPanel::createLanguagePanel(QWidget *window)
{
    PanelIdioma = framedPanel(window, "PanelIdioma", QRect(585, 260, 161, 113), Qt::white);
    const char *const names[] = {"BotCas", "BotCat", "BotGal", "BotEus"};
    const QString captions[] = {QStringLiteral("Castellano"), QStringLiteral("Catalán/Valenciano"),
                                QStringLiteral("Gallego"), QStringLiteral("Euskera")};
    for (int value = 0; value < 4; ++value) {
        m_languageButtons[value] =
            captioned(PanelIdioma, names[value], captions[value], QRect(8, 4 + 27 * value, 145, 25));
        connect(m_languageButtons[value], &QPushButton::clicked, this,
                [this, value] { chooseLanguage(value); });
    }
}

// The chosen language's button in maroon, the others in black; before any
// choice, "Castellano" in navy. Set as the buttons' style, which the main
// menu gives all its buttons at its creation.
void ConfigurationPanel::showLanguageColours()
{
    for (int i = 0; i < static_cast<int>(m_languageButtons.size()); ++i) {
        QColor colour = i == m_chosenLanguage ? QColor(128, 0, 0) : QColor(Qt::black);
        if (m_chosenLanguage < 0 && i == 0)
            colour = QColor(0, 0, 128);
        m_languageButtons[i]->setStyleSheet(
            pictureButtonStyle(QString::fromLatin1(pictures::kButton), colour));
    }
}

void ConfigurationPanel::createThemePanel(QWidget *window)
{
    Paneldecorados = framedPanel(window, "Paneldecorados", QRect(300, 510, 401, 113), QColor(0, 0, 128));
    // The design names of the pictures, left to right.
    const char *const names[] = {"Image5", "Image7", "Image6", "Image8", "Image2", "Image3", "Image4"};
    for (int i = 0; i < 7; ++i) {
        const char letter = kThemeLetters[i];
        auto *picture = new ClickablePicture(Paneldecorados, [this, letter] {
            setCurrentTheme(QByteArray(1, letter));
            emit themeChosen(letter);
        });
        picture->setObjectName(QString::fromLatin1(names[i]));
        picture->setGeometry(5 + 56 * i, 4, 49, 105);
        m_themePictures[i] = picture;
    }
}

// The thumbnails are read when the themes are first shown, not at start-up.
void ConfigurationPanel::showThemes()
{
    for (int i = 0; i < 7; ++i)
        if (m_themePictures[i]->pixmap().isNull())
            m_themePictures[i]->setPixmap(themeThumbnail(kThemeLetters[i]));
    showAbove(Paneldecorados);
}

void ConfigurationPanel::createSavePanel(QWidget *window)
{
    PanelGuardar = framedPanel(window, "PanelGuardar", QRect(585, 380, 177, 225), Qt::white);
    label(PanelGuardar, "Label3", QStringLiteral("Clave necesaria para grabar configuración"),
          QRect(8, 4, 161, 44));
    Edit1 = new QLineEdit(PanelGuardar);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setGeometry(8, 56, 161, 25);
    LabelClave = label(PanelGuardar, "LabelClave", QStringLiteral("Clave"), QRect(8, 88, 161, 25));
    auto *Button7 = captioned(PanelGuardar, "Button7", QStringLiteral("Guardar"), QRect(8, 124, 161, 25));
    auto *Button6 = captioned(PanelGuardar, "Button6", QStringLiteral("Cerrar"), QRect(8, 156, 161, 25));
    connect(Button7, &QPushButton::clicked, this, &ConfigurationPanel::Button7Click);
    connect(Button6, &QPushButton::clicked, this, &ConfigurationPanel::close);
}

void ConfigurationPanel::open()
{
    showAbove(PanelConfig);
    (utfMode() ? RUTF : RISO)->setChecked(true);
    showLanguageColours();
}

void ConfigurationPanel::close()
{
    for (QFrame *frame : {PanelConfig, Paneldecorados, PanelIdioma, PanelGuardar})
        frame->hide();
}

void ConfigurationPanel::chooseLanguage(unsigned char value)
{
    setCurrentLanguage(value);
    m_chosenLanguage = value;
    showLanguageColours();
}

void ConfigurationPanel::Button5Click()
{
    bool ok = false;
    const QFont font =
        QFontDialog::getFont(&ok, QFont(QString::fromLatin1(fontName())), PanelConfig->window());
    if (!ok)
        return;
    setFontName(font.family().toLatin1());
    emit fontChosen(font.family());
}

void ConfigurationPanel::Button7Click()
{
    LabelClave->setText(saveConfiguration(Edit1->text(), RUTF->isChecked()).label);
}

} // namespace velmira
