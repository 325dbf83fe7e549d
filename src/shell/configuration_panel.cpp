#include "configuration_panel.h"

#include "data/encoding.h"
#include "data/settings.h"
#include "data/themes.h"
#include "shell/configuration_save.h"

#include <QFontDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace velmira {

namespace {

QFrame *panel(QWidget *window, const QRect &geometry, const QColor &colour)
{
    auto *frame = new QFrame(window);
    frame->setGeometry(geometry);
    frame->setFrameShape(QFrame::Box);
    QPalette shades = frame->palette();
    shades.setColor(QPalette::Window, colour);
    frame->setPalette(shades);
    frame->setAutoFillBackground(true);
    frame->hide();
    return frame;
}

QPushButton *button(QWidget *parent, const QString &caption, const QRect &geometry)
{
    auto *b = new QPushButton(caption, parent);
    b->setGeometry(geometry);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

void setFontColour(QWidget *widget, const QColor &colour)
{
    QPalette shades = widget->palette();
    shades.setColor(QPalette::ButtonText, colour);
    widget->setPalette(shades);
}

// A theme's picture for its button: the theme picture, or the first frame of
// the animation for the animated theme.
QPixmap themeThumbnail(char letter)
{
    ThemeState theme;
    theme.apply(letter);
    const QString name = theme.pictures().animated ? QStringLiteral("fuente.gif") : theme.pictures().picture;
    QImageReader reader(name);
    return QPixmap::fromImage(reader.read());
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
    PanelConfig = panel(window, QRect(400, 260, 177, 241), Qt::white);
    auto *Label2 = new QLabel(QStringLiteral("Habrá que Guardar y reiniciar el programa para que "
                                             "los cambios tengan efecto"),
                              PanelConfig);
    Label2->setWordWrap(true);
    Label2->setGeometry(8, 4, 161, 44);
    auto *Button1 = button(PanelConfig, QStringLiteral("Cambio de Idioma"), QRect(8, 52, 161, 25));
    auto *Botdeco = button(PanelConfig, QStringLiteral("Cambio decorado"), QRect(8, 80, 161, 25));
    auto *Button5 = button(PanelConfig, QStringLiteral("Cambio tipo letra"), QRect(8, 108, 161, 25));
    auto *Label1 = new QLabel(QStringLiteral("Forzar"), PanelConfig);
    Label1->setGeometry(8, 140, 50, 20);
    RUTF = new QRadioButton(QStringLiteral("UTF"), PanelConfig);
    RUTF->setGeometry(60, 140, 55, 20);
    RISO = new QRadioButton(QStringLiteral("ISO"), PanelConfig);
    RISO->setGeometry(115, 140, 55, 20);
    auto *Button3 = button(PanelConfig, QStringLiteral("Guardar"), QRect(8, 172, 161, 25));
    auto *Button2 = button(PanelConfig, QStringLiteral("Cerrar"), QRect(8, 204, 161, 25));
    connect(Button1, &QPushButton::clicked, this, [this] {
        PanelIdioma->show();
        PanelIdioma->raise();
    });
    connect(Botdeco, &QPushButton::clicked, this, [this] {
        Paneldecorados->show();
        Paneldecorados->raise();
    });
    connect(Button5, &QPushButton::clicked, this, &ConfigurationPanel::chooseFont);
    connect(Button3, &QPushButton::clicked, this, [this] {
        PanelGuardar->show();
        PanelGuardar->raise();
    });
    connect(Button2, &QPushButton::clicked, this, &ConfigurationPanel::hideAll);
}

void ConfigurationPanel::createLanguagePanel(QWidget *window)
{
    PanelIdioma = panel(window, QRect(585, 260, 161, 113), Qt::white);
    const QStringList names = {QStringLiteral("Castellano"), QStringLiteral("Catalán/Valenciano"),
                               QStringLiteral("Gallego"), QStringLiteral("Euskera")};
    for (int value = 0; value < names.size(); ++value) {
        QPushButton *b = button(PanelIdioma, names[value], QRect(8, 4 + 27 * value, 145, 25));
        m_languageButtons << b;
        connect(b, &QPushButton::clicked, this, [this, value] { chooseLanguage(value); });
    }
    setFontColour(m_languageButtons[0], QColor(0, 0, 128));
}

void ConfigurationPanel::createThemePanel(QWidget *window)
{
    Paneldecorados = panel(window, QRect(300, 510, 401, 113), QColor(0, 0, 128));
    for (int i = 0; i < 7; ++i) {
        const char letter = kThemeLetters[i];
        auto *picture = new ClickablePicture(Paneldecorados, [this, letter] {
            setCurrentTheme(QByteArray(1, letter));
            emit themeChosen(letter);
        });
        picture->setGeometry(5 + 56 * i, 4, 49, 105);
        picture->setPixmap(themeThumbnail(letter));
    }
}

void ConfigurationPanel::createSavePanel(QWidget *window)
{
    PanelGuardar = panel(window, QRect(585, 380, 177, 225), Qt::white);
    auto *Label3 = new QLabel(QStringLiteral("Clave necesaria para grabar configuración"), PanelGuardar);
    Label3->setWordWrap(true);
    Label3->setGeometry(8, 4, 161, 44);
    Edit1 = new QLineEdit(PanelGuardar);
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setGeometry(8, 56, 161, 25);
    LabelClave = new QLabel(QStringLiteral("Clave"), PanelGuardar);
    LabelClave->setGeometry(8, 88, 161, 25);
    auto *Button7 = button(PanelGuardar, QStringLiteral("Guardar"), QRect(8, 124, 161, 25));
    auto *Button6 = button(PanelGuardar, QStringLiteral("Cerrar"), QRect(8, 156, 161, 25));
    connect(Button7, &QPushButton::clicked, this, &ConfigurationPanel::save);
    connect(Button6, &QPushButton::clicked, this, &ConfigurationPanel::hideAll);
}

void ConfigurationPanel::LabelConfiClick()
{
    PanelConfig->show();
    PanelConfig->raise();
    (utfMode() ? RUTF : RISO)->setChecked(true);
}

void ConfigurationPanel::hideAll()
{
    for (QFrame *frame : {PanelConfig, Paneldecorados, PanelIdioma, PanelGuardar})
        frame->hide();
}

void ConfigurationPanel::chooseLanguage(unsigned char value)
{
    setCurrentLanguage(value);
    for (int i = 0; i < m_languageButtons.size(); ++i)
        setFontColour(m_languageButtons[i], i == value ? QColor(128, 0, 0) : QColor(Qt::black));
}

void ConfigurationPanel::chooseFont()
{
    bool ok = false;
    const QFont font =
        QFontDialog::getFont(&ok, QFont(QString::fromLatin1(fontName())), PanelConfig->window());
    if (!ok)
        return;
    setFontName(font.family().toLatin1());
    emit fontChosen(font.family());
}

void ConfigurationPanel::save()
{
    LabelClave->setText(saveConfiguration(Edit1->text(), RUTF->isChecked()).label);
}

} // namespace velmira
