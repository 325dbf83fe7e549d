#include "question_window.h"

#include "data/colours.h"
#include "data/interface_texts.h"
#include "data/settings.h"
#include "data/text_ids.h"
#include "window_controls.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace velmira {

namespace {
constexpr int kDesignWidth = 382;
constexpr int kDesignHeight = 144;
constexpr int kTextLeft = 40;
constexpr int kTextRightMargin = 12;
} // namespace

TForm4 *Form4 = nullptr;

TForm4::TForm4(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Velmira"));
    setModal(true);
    setFixedSize(kDesignWidth, kDesignHeight);
    QPalette shades = palette();
    shades.setColor(QPalette::Window, colour6());
    setPalette(shades);
    setAutoFillBackground(true);
    createLabels();
    createNameField();
    createButtons();
    placeOnScreen();
}

void TForm4::createLabels()
{
    LabelNombre = new QLabel(this);
    LabelNombre->setObjectName(QStringLiteral("LabelNombre"));
    LabelNombre->move(40, 24);
    LabelNombre->resize(330, 24);
    QFont bold(QString::fromLatin1(fontName()));
    bold.setPixelSize(15);
    bold.setBold(true);
    LabelNombre->setFont(bold);
    LabelNombre2 = new QLabel(this);
    LabelNombre2->setObjectName(QStringLiteral("LabelNombre2"));
    LabelNombre2->setGeometry(40, 56, 330, 24);
    LabelNombre2->hide();
}

void TForm4::createNameField()
{
    EditNombre = new QLineEdit(this);
    EditNombre->setObjectName(QStringLiteral("EditNombre"));
    EditNombre->setGeometry(40, 56, 213, 30);
    EditNombre->setMaxLength(45);
    EditNombre->hide();
}

void TForm4::createButtons()
{
    ShadowSi = new QPushButton(QStringLiteral("Si"), this);
    ShadowSi->setObjectName(QStringLiteral("ShadowSi"));
    ShadowSi->setGeometry(40, 100, 89, 33);
    ShadowSi->setDefault(true);
    ShadowNo = new QPushButton(QStringLiteral("No"), this);
    ShadowNo->setObjectName(QStringLiteral("ShadowNo"));
    ShadowNo->setGeometry(168, 100, 89, 33);
    for (QPushButton *button : {ShadowSi, ShadowNo}) {
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(buttonStyle());
    }
    connect(ShadowSi, &QPushButton::clicked, this, [this] { done(kYes); });
    connect(ShadowNo, &QPushButton::clicked, this, [this] { done(kNo); });
}

void TForm4::placeOnScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

int TForm4::ask(QWidget *focus)
{
    fitToTexts();
    focus->setFocus();
    const int result = exec();
    return result == kYes ? kYes : kNo;
}

void TForm4::fitToTexts()
{
    int text = LabelNombre->sizeHint().width();
    if (!LabelNombre2->isHidden())
        text = std::max(text, LabelNombre2->sizeHint().width());
    const int width = std::max(kDesignWidth, 2 * kTextLeft + text);
    setFixedSize(width, kDesignHeight);
    for (QLabel *label : {LabelNombre, LabelNombre2})
        label->resize(width - kTextLeft - kTextRightMargin, label->height());
    placeOnScreen();
}

bool TForm4::askYesNo(const QString &question, const QString &secondLine)
{
    LabelNombre->setText(question);
    LabelNombre2->setText(secondLine);
    LabelNombre2->setVisible(!secondLine.isEmpty());
    EditNombre->hide();
    return ask(ShadowSi) == kYes;
}

std::optional<QString> TForm4::askName(const QString &prompt, const QString &proposal)
{
    LabelNombre->setText(prompt);
    EditNombre->setText(proposal);
    EditNombre->selectAll();
    EditNombre->show();
    if (ask(EditNombre) != kYes)
        return std::nullopt;
    return EditNombre->text();
}

bool confirmLeavingProgram() { return Form4 && Form4->askYesNo(uiText(kLeaveProgramQuestion)); }

// Escape and the close button end as "No"; either way the next question
// starts from the designed state.
void TForm4::done(int result)
{
    EditNombre->hide();
    LabelNombre2->hide();
    ShadowNo->show();
    QDialog::done(result == kYes ? kYes : kNo);
}

} // namespace velmira
