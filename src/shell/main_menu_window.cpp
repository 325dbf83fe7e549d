#include "main_menu_window.h"

#include "data/colours.h"
#include "data/interface_texts.h"
#include "data/language.h"
#include "data/loaders.h"
#include "data/messages.h"
#include "data/picture_names.h"
#include "data/pictures.h"
#include "data/print_state.h"
#include "data/settings.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "eso/eso_window.h"
#include "explorers/certificates_window.h"
#include "explorers/families_window.h"
#include "explorers/initial_programmes_window.h"
#include "explorers/middle_grade_window.h"
#include "professions/professions_window.h"
#include "shell/configuration_panel.h"
#include "shell/doors.h"
#include "shell/scene_canvas.h"
#include "shell/welcome_window.h"
#include "university/university_window.h"
#include "widgets/question_window.h"
#include "widgets/theme_assets.h"
#include "widgets/window_controls.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace velmira {

Tform0 *form0 = nullptr;

namespace {

constexpr QSize kScene(1024, 768);
constexpr QRect kLabelConfi(742, 487, 84, 105);

QString styleFor(const QColor &background, const QColor &text)
{
    return QStringLiteral("background-color: %1; color: %2;").arg(background.name(), text.name());
}

// A door: white caption on black, on the highlight colour under the pointer.
// A yellow frame marks the door under the pointer or with the focus, so that
// a theme whose highlight is black still shows where the pupil is.
QString doorStyle(const QColor &background, bool lit)
{
    return QStringLiteral("QLabel { background-color: %1; color: white; border: 2px solid %2; } "
                          "QLabel:focus { border-color: yellow; }")
        .arg(background.name(), lit ? QStringLiteral("yellow") : background.name());
}

const QString kButtonPicture = QString::fromLatin1(pictures::kButton);

// The certificates shortcut: its caption colour, and a yellow frame with the
// focus.
QString shortcutStyle(const QColor &caption)
{
    return QStringLiteral("QLabel { color: %1; border: 2px solid transparent; } "
                          "QLabel:focus { border-color: yellow; }")
        .arg(caption.name());
}

QString joinedTexts(std::initializer_list<QByteArray> parts)
{
    QByteArrayList list(parts);
    return displayText(list.join('\n'));
}

} // namespace

Tform0::Tform0(QWidget *parent)
    : WindowBase(QStringLiteral("Velmira"), kScene, Qt::black, parent)
{
    setMainMenuWindow(this);
    move(0, 0);
    setProgramDirectory((QApplication::applicationDirPath() + QLatin1Char('/')).toLocal8Bit());
    if (pictureMissing()) {
        setStartupAbort();
        QApplication::quit();
        return;
    }
    if (!loadSettings())
        return;
    createScene();
    // A picture that cannot be loaded stops the creation here, after the
    // error box: the remaining pictures, controls and texts are not set.
    if (!load([this] { loadFigurePictures(); }))
        return;
    if (!ApplyTheme(currentTheme().isEmpty() ? '\0' : currentTheme()[0]))
        return;
    createDoors();
    createBubble();
    createCentreLabels();
    createTimers();
    m_configuration = new ConfigurationPanel(this);
    connect(m_configuration, &ConfigurationPanel::themeChosen, this, &Tform0::ApplyTheme);
    connect(m_configuration, &ConfigurationPanel::fontChosen, this, &Tform0::applyFontToControls);
    loadInterfaceTexts();
    setCaptions();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    applyCommonLook();
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setStyleSheet(pictureButtonStyle(kButtonPicture));
    applyThemeColours();
    startWalking();
}

bool Tform0::loadSettings()
{
    if (ReadSettingsRecord("clave12"))
        return true;
    showMessage(
        QStringLiteral("El programa no funcionará correctamente. Faltan ficheros. Vuelva a instalarlo."));
    QApplication::quit();
    setStartupAbort();
    return false;
}

void Tform0::createScene()
{
    mosaico = new SceneCanvas(this, kScene);
    mosaico->setObjectName(QStringLiteral("mosaico"));
    connect(mosaico, &SceneCanvas::pointerMoved, this, &Tform0::resetHover);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(40, 480);
    Animate1 = new QLabel(this);
    Animate1->setObjectName(QStringLiteral("Animate1"));
    Animate1->move(40, 536);
    Animate1->hide();
}

// The figures of the animations, the speech bubble and the icon list the
// module windows use; the theme's own pictures come with ApplyTheme.
void Tform0::loadFigurePictures()
{
    loadIconList();
    m_figureFrames =
        loadStrip(QString::fromLatin1(pictures::kWalkingFigureStrip), pictures::kWalkingFigureFrames);
    m_doorFrames = loadStrip(QString::fromLatin1(pictures::kDoorStrip), pictures::kDoorFrames);
    m_bubble = loadPicture(QString::fromLatin1(pictures::kSpeechBubble));
}

bool Tform0::ApplyTheme(char letter)
{
    // A letter of no theme keeps the pictures and colours already in use.
    m_theme.apply(letter);
    const ThemePictures &names = m_theme.pictures();
    const bool loaded = load([&] {
        if (names.animated) {
            // QMovie would show nothing, silently, for a missing animation.
            readPicture(QStringLiteral("fuente.gif"));
            Image1->hide();
            if (!m_fountain)
                m_fountain = new QMovie(QStringLiteral("fuente.gif"), QByteArray(), this);
            Animate1->setMovie(m_fountain);
            Animate1->adjustSize();
            Animate1->show();
            m_fountain->start();
        } else {
            Animate1->hide();
            if (m_fountain)
                m_fountain->stop();
            if (!names.picture.isEmpty()) {
                Image1->setPixmap(loadPicture(names.picture));
                Image1->adjustSize();
            }
            Image1->show();
        }
        loadThemeAssets(names);
        mosaico->tile(themeAssets().tile);
    });
    applyThemeColours();
    return loaded;
}

void Tform0::applyThemeColours()
{
    if (!LabelCentro)
        return; // still being created
    const ThemeColours &colours = m_theme.colours();
    for (QLabel *label : {LabelCentro, LabelAno})
        label->setStyleSheet(styleFor(colours.highlight, readableOn(colours.highlight, colours.font)));
    LabelDejar->setStyleSheet(shortcutStyle(readableOn(m_shortcutBackground, colours.font)));
    resetHover();
}

void Tform0::createDoors()
{
    const auto door = [this](const char *name, const QRect &geometry) {
        auto *label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(geometry);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->setCursor(Qt::PointingHandCursor);
        label->setMouseTracking(true);
        label->setFocusPolicy(Qt::StrongFocus);
        label->installEventFilter(this);
        return label;
    };
    for (int d = 1; d <= kDoorCount; ++d)
        m_doors[d] = door(doorLabelName(d), doorGeometry(d));
    LabelConfi = door("LabelConfi", kLabelConfi);
    LabelConfi->setText(QStringLiteral("Configu-\nración"));

    ImageDejar = new QLabel(this);
    ImageDejar->setObjectName(QStringLiteral("ImageDejar"));
    ImageDejar->setGeometry(784, 312, 112, 60);
    ImageDejar->setPixmap(m_doorFrames.back().scaled(112, 60));
    // The caption's colours are checked against the picture's average colour.
    m_shortcutBackground = ImageDejar->pixmap()
                               .toImage()
                               .scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .pixelColor(0, 0);
    ImageDejar->setCursor(Qt::PointingHandCursor);
    ImageDejar->installEventFilter(this);
    LabelDejar = new QLabel(this);
    LabelDejar->setObjectName(QStringLiteral("LabelDejar"));
    LabelDejar->setGeometry(784, 312, 112, 60);
    LabelDejar->setAlignment(Qt::AlignCenter);
    LabelDejar->setWordWrap(true);
    LabelDejar->setCursor(Qt::PointingHandCursor);
    LabelDejar->setFocusPolicy(Qt::StrongFocus);
    LabelDejar->installEventFilter(this);

    BotRetroce = button(this, "BotRetroce", QRect(640, 296, 97, 33));
    BotRetroce->installEventFilter(this);
    connect(BotRetroce, &QPushButton::clicked, this, &QWidget::close);
}

void Tform0::createBubble()
{
    Bocadillo1 = new QLabel(this);
    Bocadillo1->setObjectName(QStringLiteral("Bocadillo1"));
    Bocadillo1->setPixmap(m_bubble);
    Bocadillo1->adjustSize();
    Bocadillo1->move(340, 180);
    const auto text = [this](const char *name) {
        auto *label = new QLabel(Bocadillo1);
        label->setObjectName(QString::fromLatin1(name));
        label->setGeometry(Bocadillo1->rect().adjusted(16, 12, -16, -30));
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        label->hide();
        return label;
    };
    LabelBocadillo1 = text("LabelBocadillo1");
    LabelBocadillo2 = text("LabelBocadillo2");
    Bocadillo1->hide();
}

void Tform0::createCentreLabels()
{
    LabelCentro = new QLabel(this);
    LabelCentro->setObjectName(QStringLiteral("LabelCentro"));
    LabelAno = new QLabel(QStringLiteral("2011/12"), this);
    LabelAno->setObjectName(QStringLiteral("LabelAno"));
}

void Tform0::createTimers()
{
    const auto timer = [this](int ms, void (Tform0::*tick)()) {
        auto *t = new QTimer(this);
        t->setInterval(ms);
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    piloto = timer(200, &Tform0::pilotoTimer);
    TimerPuerta = timer(200, &Tform0::TimerPuertaTimer);
    TimerZoom = timer(100, &Tform0::TimerZoomTimer);
    TimerTexto = timer(4000, &Tform0::TimerTextoTimer);
}

void Tform0::loadInterfaceTexts()
{
    LoadInterfaceTexts(localName("textos"), interfaceTextTable());
    AssignInterfaceTexts();
    setPrintQuestion();
}

void Tform0::setCaptions()
{
    for (int d = 1; d <= kDoorCount; ++d) {
        m_doors[d]->setText(displayText(doorCaption(d)));
        m_doors[d]->setToolTip(displayText(doorHint(d)));
    }
    LabelDejar->setText(
        joinedTexts({interfaceText(kCertificatesShortcutLine1), interfaceText(kCertificatesShortcutLine2)}));
    LabelDejar->setToolTip(uiText(kProfessionalCertificatesCaption));
    ImageDejar->setToolTip(uiText(kProfessionalCertificatesCaption));
    BotRetroce->setText(uiText(kExitCaption));
    LabelBocadillo1->setText(
        joinedTexts({interfaceText(kGreeting), "Velmira.", interfaceText(kSchoolYearCaption) + " 2011/12."}));
    LabelBocadillo2->setText(
        joinedTexts({interfaceText(kSecondBubbleLine1), interfaceText(kSecondBubbleLine2),
                     interfaceText(kSecondBubbleLine3), interfaceText(kSecondBubbleLine4)}));
    LabelCentro->setText(displayText(trimTrailingBlanks(centreName())));
    QFont big = LabelCentro->font();
    big.setPixelSize(18);
    big.setBold(true);
    for (QLabel *label : {LabelCentro, LabelAno}) {
        label->setFont(big);
        label->adjustSize();
    }
    LabelCentro->move(512 - LabelCentro->width() / 2, 14);
    LabelAno->move(512 - LabelAno->width() / 2, 14 + LabelCentro->height() + 4);
}

void Tform0::startWalking()
{
    m_counter = 0;
    m_frame = 0;
    m_figureDrawn = false;
    piloto->start();
}

void Tform0::pilotoTimer()
{
    const QPoint at = figurePosition(m_counter);
    if (m_figureDrawn)
        mosaico->draw(m_figureAt, m_underFigure);
    const QPixmap &frame = m_figureFrames[m_frame];
    m_underFigure = mosaico->save(QRect(at, frame.size()));
    mosaico->draw(at, frame);
    m_figureAt = at;
    m_figureDrawn = true;
    ++m_counter;
    ++m_frame;
    if (m_frame == 6 && at.x() < 250)
        m_frame = 0;
    if (m_frame == pictures::kWalkingFigureFrames) {
        piloto->stop();
        TimerTexto->start();
        m_figureDrawn = false;
        Bocadillo1->show();
        LabelBocadillo1->show();
        LabelBocadillo2->hide();
    }
}

void Tform0::TimerTextoTimer()
{
    LabelBocadillo2->show();
    LabelBocadillo1->hide();
    TimerTexto->stop();
}

void Tform0::OpenDoor(int door)
{
    QLabel *label = m_doors[door];
    piloto->stop();
    TimerTexto->stop();
    m_chosenDoor = door;
    label->hide();
    Bocadillo1->hide();
    LabelBocadillo1->hide();
    LabelBocadillo2->hide();
    label->setToolTip(QString());
    m_doorAt = doorFramePosition(door, label->geometry(), 0);
    m_counter = 0;
    m_frame = 0;
    TimerPuerta->start();
}

void Tform0::TimerPuertaTimer()
{
    const QPoint at = doorFramePosition(m_chosenDoor, m_doors[m_chosenDoor]->geometry(), m_counter);
    if (m_counter == 0) {
        // The figure may still be walking: put its background back first.
        if (!m_underFigure.isNull())
            mosaico->draw(m_figureAt, m_underFigure);
        LabelBocadillo1->hide();
        LabelBocadillo2->hide();
        piloto->stop();
    } else {
        mosaico->draw(QPoint(m_doorAt.x(), m_lastDoorY), m_underDoor);
    }
    const QPixmap &frame = m_doorFrames[m_frame];
    m_underDoor = mosaico->save(QRect(at, frame.size()));
    mosaico->draw(at, frame);
    m_lastDoorY = at.y();
    ++m_counter;
    ++m_frame;
    if (m_frame == pictures::kDoorFrames) {
        TimerPuerta->stop();
        TimerZoom->start();
    }
}

void Tform0::TimerZoomTimer()
{
    if (m_counter < 100) {
        m_counter += 10;
        mosaico->stretch(zoomRectangle(m_chosenDoor, m_counter, themeAssets().tile.size()),
                         themeAssets().tile);
        mosaico->draw(QPoint(m_doorAt.x(), m_lastDoorY), m_doorFrames.back());
    }
    if (m_counter >= 100) {
        TimerZoom->stop();
        QLabel *label = m_doors[m_chosenDoor];
        label->show();
        label->setToolTip(displayText(doorHint(m_chosenDoor)));
        // The scene is drawn afresh so that it is whole when the pupil comes back.
        mosaico->tile(themeAssets().tile);
        carryOutDoor(m_chosenDoor);
    }
}

void Tform0::carryOutDoor(int door)
{
    WindowBase *module = nullptr;
    switch (door) {
    case DoorDegrees:
        if (Form1)
            Form1->openModuleMenu();
        module = Form1;
        break;
    case DoorHigherGrade:
        if (Form1)
            Form1->openHigherGradePage();
        module = Form1;
        break;
    case DoorBachillerato:
        if (Form1)
            Form1->openQuestionnaire();
        module = Form1;
        break;
    case DoorCatalogue: module = FormCat; break;
    case DoorItineraries:
        if (Form2)
            Form2->openItinerariesPage();
        module = Form2;
        break;
    case DoorEso:
        if (Form2)
            Form2->openQuestionnairePage();
        module = Form2;
        break;
    case DoorMiddleGrade:
        if (Form3)
            Form3->startFromMainMenu();
        module = Form3;
        break;
    case DoorInitial: module = FIniPro; break;
    case DoorProfessions:
        if (profe)
            profe->BotCuestioClick();
        module = profe;
        break;
    default: break;
    }
    if (!module)
        return;
    module->openFrom(this);
    hide();
}

void Tform0::openCertificates()
{
    if (!Certifica)
        return;
    Certifica->openFrom(this);
    hide();
}

void Tform0::resetHover()
{
    for (int d = 1; d <= kDoorCount; ++d)
        if (m_doors[d])
            m_doors[d]->setStyleSheet(doorStyle(Qt::black, false));
    if (LabelConfi)
        LabelConfi->setStyleSheet(doorStyle(Qt::black, false));
    if (BotRetroce)
        BotRetroce->setStyleSheet(pictureButtonStyle(kButtonPicture));
    if (LabelDejar)
        LabelDejar->setStyleSheet(shortcutStyle(readableOn(m_shortcutBackground, m_theme.colours().font)));
}

bool Tform0::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    if (event->type() == QEvent::Enter) {
        if (watched == LabelDejar || watched == ImageDejar)
            LabelDejar->setStyleSheet(shortcutStyle(readableOn(m_shortcutBackground, Qt::white)));
        else if (watched == BotRetroce)
            BotRetroce->setStyleSheet(
                buttonStyle(m_theme.colours().highlight, readableOn(m_theme.colours().highlight)));
        else if (label)
            label->setStyleSheet(doorStyle(m_theme.colours().highlight, true));
    } else if (event->type() == QEvent::MouseButtonRelease && label) {
        activate(label);
        return true;
    } else if (event->type() == QEvent::KeyPress && label) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            activate(label);
            return true;
        }
    }
    return WindowBase::eventFilter(watched, event);
}

// A door, the configuration or the certificates shortcut, clicked or pressed
// from the keyboard.
void Tform0::activate(QLabel *label)
{
    if (TimerPuerta->isActive() || TimerZoom->isActive())
        return;
    if (label == LabelConfi) {
        m_configuration->open();
    } else if (label == LabelDejar || label == ImageDejar) {
        openCertificates();
    } else {
        for (int d = 1; d <= kDoorCount; ++d)
            if (label == m_doors[d])
                OpenDoor(d);
    }
}

void Tform0::applyFontToControls(const QString &family)
{
    for (QWidget *control : findChildren<QWidget *>()) {
        if (!qobject_cast<QLabel *>(control) && !qobject_cast<QPushButton *>(control))
            continue;
        QFont font = control->font();
        font.setFamily(family);
        control->setFont(font);
    }
}

void Tform0::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    WindowBase::keyPressEvent(event);
}

// Leaving asks first; "Si" ends the program.
void Tform0::closeEvent(QCloseEvent *event)
{
    if (m_leaving || !Form4) {
        event->accept();
        return;
    }
    if (!confirmLeavingProgram()) {
        event->ignore();
        return;
    }
    show();
    raise();
    m_leaving = true;
    event->accept();
    QApplication::quit();
}

void Tform0::closeWelcomeWindow()
{
    if (startupAborted() || m_welcomeClosed)
        return;
    m_welcomeClosed = true;
    if (Bienvenida)
        Bienvenida->close();
    show();
    raise();
    activateWindow();
}

void Tform0::showEvent(QShowEvent *event)
{
    WindowBase::showEvent(event);
    closeWelcomeWindow();
}

void Tform0::changeEvent(QEvent *event)
{
    WindowBase::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        closeWelcomeWindow();
}

} // namespace velmira
