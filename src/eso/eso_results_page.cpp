// The results page of the ESO window: the result list with its hint and
// details panel, and the printing and saving of the results.

#include "eso_results_page.h"

#include "data/content_tables.h"
#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/messages.h"
#include "data/print_state.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "eso/eso_scoring.h"
#include "eso/eso_window.h"
#include "widgets/question_window.h"
#include "widgets/report_printer.h"
#include "widgets/theme_assets.h"
#include "widgets/window_controls.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>

namespace velmira {

namespace {

const QColor kMaroon(128, 0, 0);
constexpr int kListLeft = 300;

} // namespace

ResultLineDelegate::ResultLineDelegate(const EsoResultList &list, const std::vector<QPixmap> &icons,
                                       QObject *parent)
    : QStyledItemDelegate(parent)
    , m_list(list)
    , m_icons(icons)
{
}

void ResultLineDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    const QRect item = option.rect;
    painter->save();
    painter->fillRect(item, option.palette.base());
    const ResultLineLook look = resultLineLook(m_list, index.row() + 1);
    painter->setPen(look.colour == LineColour::Maroon ? kMaroon : option.palette.text().color());
    painter->setFont(option.font);
    painter->drawText(item.adjusted(kTextLeft, kTextTop, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                      index.data().toString());
    if (look.icon && look.icon->icon >= 0 && look.icon->icon < static_cast<int>(m_icons.size())) {
        const QRect span(item.left() + look.icon->left, item.top(), look.icon->right - look.icon->left,
                         item.height());
        painter->drawPixmap(span, m_icons[look.icon->icon]);
    }
    painter->restore();
}

QSize ResultLineDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kItemHeight);
}

void TForm2::createResultsPage()
{
    ListresCues = new QListWidget(this);
    ListresCues->setObjectName(QStringLiteral("ListresCues"));
    ListresCues->setGeometry(kListLeft, 40, 700, 645);
    ListresCues->setUniformItemSizes(true);
    ListresCues->setItemDelegate(new ResultLineDelegate(m_results, themeAssets().icons, ListresCues));
    ListresCues->setMouseTracking(true);
    ListresCues->viewport()->installEventFilter(this);
    connect(ListresCues, &QListWidget::clicked, this,
            [this](const QModelIndex &index) { ListresCuesClick(index.row()); });
    ListresCues->hide();

    PanelAbajoRes = new QWidget(this);
    PanelAbajoRes->setGeometry(kListLeft + 380, 695, 330, 45);
    ImpResul = new QPushButton(PanelAbajoRes);
    ImpResul->setObjectName(QStringLiteral("ImpResul"));
    ImpResul->setGeometry(5, 5, 155, 33);
    grabar = new QPushButton(PanelAbajoRes);
    grabar->setObjectName(QStringLiteral("grabar"));
    grabar->setGeometry(170, 5, 155, 33);
    connect(ImpResul, &QPushButton::clicked, this, &TForm2::ImpResulClick);
    connect(grabar, &QPushButton::clicked, this, &TForm2::grabarClick);
    PanelAbajoRes->hide();

    LabelAviso = new QLabel(this);
    LabelAviso->setGeometry(640, 0, 360, 24);
    LabelAviso->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 225); color: black;"));
    LabelAviso->hide();
}

void TForm2::createDetailsPanel()
{
    PanelCar = new QWidget(this);
    PanelCar->setObjectName(QStringLiteral("PanelCar"));
    PanelCar->setGeometry(kListLeft + 20, 80, 660, 560);
    QPalette shades = PanelCar->palette();
    shades.setColor(QPalette::Window, Qt::yellow);
    PanelCar->setPalette(shades);
    PanelCar->setAutoFillBackground(true);
    ListCar = new QListWidget(PanelCar);
    ListCar->setGeometry(10, 10, 640, 495);
    BotImpTit = new QPushButton(PanelCar);
    BotImpTit->setObjectName(QStringLiteral("BotImpTit"));
    BotImpTit->setGeometry(10, 517, 160, 33);
    BotCerrar = new QPushButton(PanelCar);
    BotCerrar->setObjectName(QStringLiteral("BotCerrar"));
    BotCerrar->setGeometry(490, 517, 160, 33);
    connect(BotImpTit, &QPushButton::clicked, this, &TForm2::BotImpTitMouseUp);
    connect(BotCerrar, &QPushButton::clicked, this, &TForm2::BotCerrarMouseUp);
    PanelCar->hide();
}

void TForm2::BotResCuesClick()
{
    if (m_questionnaire.resultsShown)
        hideResults();
    else
        showResults();
}

void TForm2::hideResults()
{
    PanelCar->hide();
    PanelCuestio->show();
    Gcuestio->show();
    BotResCues->setText(uiText(kResultsCaption));
    grabar->hide();
    ImpResul->hide();
    ListresCues->hide();
    LabelAviso->hide();
    m_questionnaire.resultsShown = false;
}

void TForm2::showResults()
{
    if (!m_questionnaire.shortMode)
        showHelp(32);
    m_questionnaire.resultsShown = true;
    PanelCar->hide();
    PanelMenu->hide();
    PanelCuestio->hide();
    ListresCues->show();
    PanelAbajoRes->show();
    BotResCues->setText(uiText(kBackToQuestionsCaption));
    ImpResul->setText(uiText(kPrintResultsCaption));
    const ItemGroupRecord &groups = content().datgrub.third;
    if (m_questionnaire.shortMode) {
        m_results = shortResultList(scoreShortQuestionnaire(m_questionnaire, groups), esoData());
        BotContinuar->move(AcabarCues->geometry().right() + 1 + 10, AcabarCues->y() - 4);
        BotContinuar->show();
        grabar->hide();
        ImpResul->hide();
    } else {
        m_results = fullResultList(scoreFullQuestionnaire(m_questionnaire, groups, esoData()), esoData());
        grabar->show();
        ImpResul->show();
    }
    fillList(ListresCues, resultListItems(m_results));
    Gcuestio->hide();
}

void TForm2::ListresCuesMouseMove(int y)
{
    const int top = ListresCues->indexAt(QPoint(1, 1)).row();
    const bool shown = rankingHintShown(m_results, y, ResultLineDelegate::kItemHeight, top < 0 ? 0 : top);
    if (shown)
        LabelAviso->move(LabelAviso->x(), y + 100);
    LabelAviso->setVisible(shown);
    if (shown)
        LabelAviso->raise();
}

void TForm2::ListresCuesClick(int row)
{
    const int group = detailsGroupAt(m_results, row + 1);
    if (group == 0)
        return;
    showHelp(33);
    m_details = itineraryDetails(group, esoData(), content());
    std::vector<QByteArray> shown;
    for (const QByteArray &line : m_details)
        shown.push_back(trimTrailingBlanks(line));
    fillList(ListCar, shown);
    ListCar->show();
    PanelCar->show();
    PanelCar->raise();
}

void TForm2::BotCerrarMouseUp() { PanelCar->hide(); }

void TForm2::BotImpTitMouseUp()
{
    LineTable &buffer = work().print1;
    const EsoPrintJob job = fillDetailsPrint(buffer, m_details);
    setBoldLines(job.boldLines);
    if (askPrintQuestion())
        PrintLines(buffer, job.lastLine, job.monospaced, job.fontSize);
}

// Asks the pupil's name while none is kept; false when the pupil declines.
bool TForm2::askStudentName(StudentNameUse use)
{
    StudentName &name = m_questionnaire.studentName;
    if (!name.isEmpty())
        return true;
    for (;;) {
        const std::optional<QString> typed = Form4->askName(uiText(kStudentNamePrompt));
        if (!typed)
            return false;
        if (name.accept(storedText(*typed), m_questionnaire.course, use))
            return true;
    }
}

void TForm2::ImpResulClick()
{
    if (!m_questionnaireActive || !askStudentName(StudentNameUse::Printing))
        return;
    LineTable &buffer = work().print1;
    const EsoPrintJob job = fillResultPrint(buffer, m_questionnaire.studentName.text(), m_results);
    setBoldLines(job.boldLines);
    if (askPrintQuestion())
        PrintLines(buffer, job.lastLine, job.monospaced, job.fontSize);
}

void TForm2::grabarClick()
{
    if (!m_questionnaireActive || !askStudentName(StudentNameUse::Saving))
        return;
    QFileDialog Save(this);
    Save.setObjectName(QStringLiteral("Save"));
    Save.setAcceptMode(QFileDialog::AcceptSave);
    Save.setOption(QFileDialog::DontUseNativeDialog);
    Save.setDefaultSuffix(QStringLiteral("TXT"));
    Save.selectFile(displayText(m_questionnaire.studentName.text()));
    if (Save.exec() != QDialog::Accepted || Save.selectedFiles().isEmpty())
        return;
    const QByteArray &name = m_questionnaire.studentName.text();
    PanelCar->hide();
    fillList(ListCar, resultPrintLines(name, m_results));
    writeResultFile(Save.selectedFiles().constFirst());
}

// Writes the whole file or nothing: a failure shows the file error and keeps
// whatever the pupil had before.
void TForm2::writeResultFile(const QString &fileName)
{
    QSaveFile file(fileName);
    const QByteArray text = savedResultText(m_questionnaire.studentName.text(), m_results);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        reportFileError(FileError(QFile::encodeName(fileName), file.errorString()));
        return;
    }
    showHelp(20);
}

} // namespace velmira
