#include "window_controls.h"

#include "data/colours.h"
#include "data/interface_texts.h"
#include "data/settings.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace velmira {

QWidget *panel(QWidget *parent, const QRect &geometry, const QColor &colour)
{
    auto *widget = new QWidget(parent);
    widget->setGeometry(geometry);
    QPalette shades = widget->palette();
    shades.setColor(QPalette::Window, colour);
    widget->setPalette(shades);
    widget->setAutoFillBackground(true);
    return widget;
}

QPushButton *button(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *widget = new QPushButton(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QFont fittingFont(QFont font, const QString &text, const QSize &room, bool wrap)
{
    constexpr int kSmallestPoints = 6;
    const auto fits = [&] {
        const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, room.width(), 100000),
                                                             wrap ? Qt::TextWordWrap : 0, text);
        return needed.width() <= room.width() && needed.height() <= room.height();
    };
    while (font.pointSize() > kSmallestPoints && !fits())
        font.setPointSize(font.pointSize() - 1);
    return font;
}

void fitCaption(QPushButton *button)
{
    constexpr int kMargins = 12; // the frame and a little air on each side
    button->setFont(fittingFont(button->font(), button->text(), button->size() - QSize(kMargins, 0), false));
}

void fitCaption(QLabel *label)
{
    constexpr int kMargins = 4;
    label->setFont(
        fittingFont(label->font(), label->text(), QSize(label->width() - kMargins, 100000), false));
}

QLabel *textLabel(QWidget *parent, const char *name, const QRect &geometry, int points, bool bold)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = settingsFont(points);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

void fillList(QListWidget *list, const std::vector<QByteArray> &lines)
{
    list->clear();
    for (const QByteArray &line : lines)
        list->addItem(displayText(line));
}

QString buttonStyle(const QColor &background, const QColor &text)
{
    return QStringLiteral("* { background-color: %1; color: %2; } *:disabled { color: gray; }")
        .arg(background.name(), text.name());
}

QString pictureButtonStyle(const QString &picture, const QColor &text)
{
    return QStringLiteral("* { background-color: yellow; border-image: url(%1) 0 0 0 0 stretch stretch; "
                          "color: %2; } *:disabled { color: gray; } *:focus { border: 2px dotted black; }")
        .arg(picture, text.name());
}

namespace {
// Relative luminance and contrast as the web's accessibility guidelines
// measure them.
double luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

QColor readableOn(const QColor &background, const QColor &preferred)
{
    if (contrast(preferred, background) >= 3.0)
        return preferred;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrast(black, background) >= contrast(white, background) ? black : white;
}

void highlightInItsMenu(QPushButton *hovered)
{
    for (QPushButton *b : hovered->parentWidget()->findChildren<QPushButton *>(Qt::FindDirectChildrenOnly))
        b->setStyleSheet(b == hovered ? buttonStyle(colour4()) : buttonStyle());
}

QFont settingsFont(int points)
{
    QFont font(QString::fromLatin1(fontName()));
    font.setPointSize(points);
    return font;
}

QFont courierFont(int points)
{
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(points);
    return font;
}

int centreNameFontSize(int length)
{
    if (length > 45)
        return 10;
    if (length > 35)
        return 14;
    if (length > 25)
        return 16;
    return 18;
}

void showSchoolHeading(QWidget *window, QLabel *year, QLabel *centre)
{
    const QString name = displayText(centreName());
    window->setWindowTitle(uiText(kModuleWindowCaption) + QStringLiteral("  ") + name);
    year->setText(uiText(kSchoolYearCaption) + QStringLiteral(" 2011/12"));
    centre->setText(name);
    // The size its length gives, smaller while the wrapped name would run
    // past the label's bottom.
    centre->setFont(fittingFont(settingsFont(centreNameFontSize(name.size())), name,
                                centre->contentsRect().size(), centre->wordWrap()));
}

QListWidget *listBox(QWidget *parent, const char *name, const QRect &geometry, int points)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(geometry);
    list->setFont(settingsFont(points));
    return list;
}

} // namespace velmira
