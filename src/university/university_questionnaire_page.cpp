#include "university_questionnaire_page.h"

#include "data/colours.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/line_table.h"
#include "data/picture_names.h"
#include "data/print_buffer.h"
#include "data/print_state.h"
#include "data/report_layout.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "data/university_tables.h"
#include "university/university_help.h"
#include "university/university_menu_page.h"
#include "university/university_window.h"
#include "widgets/question_window.h"
#include "widgets/report_printer.h"
#include "widgets/result_file.h"
#include "widgets/theme_assets.h"
#include "widgets/widget_groups.h"
#include "widgets/window_controls.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>
#include <set>

namespace velmira {

namespace {

constexpr int kEntryRow = 7;
constexpr int kMenuStep = 43;
constexpr int kRight = 320; // left edge of the lists and results, beside the help panel
constexpr int kRightWidth = 690;
constexpr int kRowHeight = 42;
constexpr int kReportFontSize = 9;
constexpr int kStudentNameCharacters = 45;

// A row of `ListResul`: the text 35 pixels right of and 6 below the cell's
// corner, and in the first column the icon of the row's itinerary before it.
class ItineraryRowDelegate : public QStyledItemDelegate
{
public:
    ItineraryRowDelegate(const std::vector<int> &ranking, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_ranking(ranking)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        painter->save();
        painter->fillRect(option.rect, option.palette.base());
        if (index.column() == 0 && index.row() < static_cast<int>(m_ranking.size())) {
            const auto icon = pictures::itineraryIcon(m_ranking[static_cast<size_t>(index.row())]);
            const std::vector<QPixmap> &icons = themeAssets().icons;
            if (icon && *icon < static_cast<int>(icons.size()))
                painter->drawPixmap(option.rect.left() + 2, option.rect.top() + 6, icons[*icon]);
        }
        painter->setFont(option.font);
        painter->setPen(option.palette.text().color());
        painter->drawText(option.rect.adjusted(35, 6, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                          index.data().toString());
        painter->restore();
    }

private:
    const std::vector<int> &m_ranking;
};

QListWidget *itemList(QWidget *parent, const char *name)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(kRight, 60, kRightWidth, 570);
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setFont(settingsFont(12));
    list->setWordWrap(true);
    list->hide();
    return list;
}

} // namespace

UniversityQuestionnairePage::UniversityQuestionnairePage(TForm1 *window, UniversityMenuPage &menu)
    : QObject(window)
    , m_window(window)
    , m_menu(menu)
{
    BotCuestionario = menu.addEntry("BotCuestionario", kEntryRow);
    connect(BotCuestionario, &QPushButton::clicked, this, &UniversityQuestionnairePage::BotCuestionarioClick);
    Panelcon = panel(window, QRect(QPoint(0, 0), window->size()), colour2());
    Panelcon->setObjectName(QStringLiteral("Panelcon"));
    createMenu();
    createLists();
    createResults();
    createButtons();
    Panelcon->hide();
}

void UniversityQuestionnairePage::createMenu()
{
    PanelMenuCon = panel(Panelcon, QRect(10, 110, 270, 10 + 4 * kMenuStep), colour3());
    PanelMenuCon->setObjectName(QStringLiteral("PanelMenuCon"));
    int row = 0;
    for (auto [entry, name] :
         {std::pair{&Menucua, "Menucua"}, std::pair{&MenuGus, "MenuGus"}, std::pair{&MenuMedia, "MenuMedia"},
          std::pair{&MenuRetroCon, "MenuRetroCon"}}) {
        *entry = button(PanelMenuCon, name, QRect(10, 10 + row++ * kMenuStep, 250, 33));
        (*entry)->setFont(settingsFont(12));
        (*entry)->installEventFilter(this);
    }
    connect(Menucua, &QPushButton::clicked, this, &UniversityQuestionnairePage::MenuCuaClick);
    connect(MenuGus, &QPushButton::clicked, this, &UniversityQuestionnairePage::MenuGusClick);
    connect(MenuMedia, &QPushButton::clicked, this, &UniversityQuestionnairePage::MenuMediaClick);
    connect(MenuRetroCon, &QPushButton::clicked, this, &UniversityQuestionnairePage::MenuRetroConClick);
}

void UniversityQuestionnairePage::createLists()
{
    ListCua = itemList(Panelcon, "ListCua");
    Listint = itemList(Panelcon, "Listint");
    for (QListWidget *list : {ListCua, Listint})
        list->installEventFilter(this);
}

void UniversityQuestionnairePage::createResults()
{
    PanelResCon = textLabel(Panelcon, "PanelResCon", QRect(kRight, 10, kRightWidth, 26), 14, true);
    LabelAviso = new QLabel(Panelcon);
    LabelAviso->setObjectName(QStringLiteral("LabelAviso"));
    LabelAviso->setGeometry(kRight, 36, kRightWidth, 22);
    LabelAviso->setFont(settingsFont(12));
    LabelAviso->setStyleSheet(QStringLiteral("background-color: rgb(255, 255, 225); color: black;"));

    ListResul = new QTableWidget(kItineraries, 2, Panelcon);
    ListResul->setObjectName(QStringLiteral("ListResul"));
    ListResul->setGeometry(kRight, 60, kRightWidth, kItineraries * kRowHeight + 4);
    ListResul->horizontalHeader()->hide();
    ListResul->verticalHeader()->hide();
    ListResul->verticalHeader()->setDefaultSectionSize(kRowHeight);
    ListResul->setColumnWidth(0, kRightWidth - 104);
    ListResul->setColumnWidth(1, 100);
    ListResul->setShowGrid(false);
    ListResul->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListResul->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListResul->setSelectionMode(QAbstractItemView::SingleSelection);
    ListResul->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListResul->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSize(12);
    ListResul->setFont(courier);
    ListResul->setItemDelegate(new ItineraryRowDelegate(m_answers.lastRanking(), ListResul));
    ListResul->setMouseTracking(true);
    ListResul->viewport()->installEventFilter(this);
    ListResul->installEventFilter(this);
    connect(ListResul, &QTableWidget::cellClicked, this, [this](int row, int) { ListResulClick(row); });

    ListCarreras = new QListWidget(Panelcon);
    ListCarreras->setObjectName(QStringLiteral("ListCarreras"));
    ListCarreras->setGeometry(kRight + 20, 80, kRightWidth - 40, 470);
    ListCarreras->setFont(settingsFont(11));
    ListCarreras->setStyleSheet(QStringLiteral(
        "QListWidget { background-color: rgb(255, 255, 225); border: 2px solid rgb(128, 0, 0); }"));
    ListCarreras->installEventFilter(this);
    connect(ListCarreras, &QListWidget::itemClicked, this, &UniversityQuestionnairePage::ListCarrerasClick);
}

void UniversityQuestionnairePage::createButtons()
{
    const int top = 640;
    VerResul = button(Panelcon, "VerResul", QRect(kRight, top, 200, 33));
    revisa = button(Panelcon, "revisa", QRect(kRight, top, 200, 33));
    acabarCua = button(Panelcon, "acabarCua", QRect(kRight + 210, top, 140, 33));
    ImpResul = button(Panelcon, "ImpResul", QRect(kRight + 360, top, 160, 33));
    grabar = button(Panelcon, "grabar", QRect(kRight + 530, top, 160, 33));
    for (QPushButton *control : {VerResul, revisa, acabarCua, ImpResul, grabar})
        control->setFont(settingsFont(12));
    connect(VerResul, &QPushButton::clicked, this, &UniversityQuestionnairePage::verresulClick);
    connect(revisa, &QPushButton::clicked, this, &UniversityQuestionnairePage::revisaClick);
    connect(acabarCua, &QPushButton::clicked, this, &UniversityQuestionnairePage::acabarCuaClick);
    connect(ImpResul, &QPushButton::clicked, this, &UniversityQuestionnairePage::IMpResulClick);
    connect(grabar, &QPushButton::clicked, this, &UniversityQuestionnairePage::grabarClick);
}

void UniversityQuestionnairePage::setCaptions()
{
    BotCuestionario->setText(uiText(kBachilleratoEntryCaption));
    Menucua->setText(uiText(kQualitiesCaption));
    MenuGus->setText(uiText(kInterestsCaption));
    MenuMedia->setText(uiText(kCombinedPart));
    MenuRetroCon->setText(uiText(kBackCaption));
    VerResul->setText(uiText(kShowResultsCaption));
    revisa->setText(uiText(kReviewAnswersCaption));
    acabarCua->setText(uiText(kFinishCaption));
    ImpResul->setText(uiText(kPrintResultsCaption));
    grabar->setText(uiText(kBachilleratoSaveCaption));
    LabelAviso->setText(uiText(kRankedItinerariesHint));
    for (QPushButton *control : Panelcon->findChildren<QPushButton *>())
        fitCaption(control);
}

void UniversityQuestionnairePage::openFromMainMenu()
{
    BotCuestionarioClick();
    m_returnsToMainMenu = true;
}

void UniversityQuestionnairePage::close() { Panelcon->hide(); }

bool UniversityQuestionnairePage::isOpen() const { return Panelcon->isVisible(); }

void UniversityQuestionnairePage::stepBack()
{
    if (MenuRetroCon->isVisible())
        MenuRetroConClick();
    else
        acabarCuaClick();
}

// The entry: a questionnaire started before is kept unless the pupil
// chooses to start again.
void UniversityQuestionnairePage::BotCuestionarioClick()
{
    m_returnsToMainMenu = false;
    m_menu.close();
    Panelcon->show();
    Panelcon->raise();
    m_answers.studentName.clear();
    if (m_answers.anyStarted() && Form4 && Form4->askYesNo(uiText(kQuestionnaireResetQuestion))) {
        hideWidgets({ListCua, Listint});
        ListCua->clear();
        Listint->clear();
        m_answers.restart();
    }
    showMenu();
    m_window->showHelp(HelpQuestionnaireOpened);
}

void UniversityQuestionnairePage::showMenu()
{
    hideResults();
    hideWidgets({ListCua, Listint, VerResul});
    showWidgets({PanelMenuCon, Menucua, MenuGus, MenuMedia, MenuRetroCon});
    Menucua->setFocus();
}

void UniversityQuestionnairePage::hideResults()
{
    hideWidgets({PanelResCon, ListResul, ListCarreras, LabelAviso, revisa, acabarCua, ImpResul, grabar});
}

void UniversityQuestionnairePage::MenuCuaClick() { choosePart(BachilleratoPart::Qualities); }

void UniversityQuestionnairePage::MenuGusClick() { choosePart(BachilleratoPart::Interests); }

void UniversityQuestionnairePage::choosePart(BachilleratoPart part)
{
    m_active = part;
    const bool qualities = part == BachilleratoPart::Qualities;
    hideWidgets({qualities ? MenuGus : Menucua, MenuMedia, MenuRetroCon});
    hideResults();
    QListWidget *list = listOf(part);
    hideWidgets({qualities ? Listint : ListCua});
    if (!m_answers.started(part)) {
        const UniversityData &tables = universityData();
        fillList(list, questionnaireItems(qualities ? tables.cualidad : tables.interes));
        list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        m_answers.markStarted(part);
    }
    showWidgets({VerResul, list});
    list->setFocus();
    m_window->showHelp(qualities ? HelpQualitiesChosen : HelpInterestsChosen);
}

QListWidget *UniversityQuestionnairePage::listOf(BachilleratoPart part) const
{
    return part == BachilleratoPart::Qualities ? ListCua : Listint;
}

std::vector<int> UniversityQuestionnairePage::markedItems(BachilleratoPart part) const
{
    const QListWidget *list = listOf(part);
    std::vector<int> marked;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected())
            marked.push_back(row + 1);
    return marked;
}

void UniversityQuestionnairePage::toggleCurrentMark(QListWidget *list)
{
    if (QListWidgetItem *item = list->currentItem())
        item->setSelected(!item->isSelected());
}

void UniversityQuestionnairePage::verresulClick()
{
    VerResul->hide();
    showWidgets({revisa, acabarCua});
    showResult(m_answers.scorePart(m_active, markedItems(m_active)).ranked);
    m_window->showHelp(HelpPartResults);
}

void UniversityQuestionnairePage::showResult(const RankedResult &result)
{
    PanelResCon->setText(displayText(result.title));
    hideWidgets({ListCua, Listint, ListCarreras});
    for (int row = 0; row < kItineraries && row < static_cast<int>(result.lines.size()); ++row) {
        const QByteArray &line = result.lines[static_cast<size_t>(row)];
        const QString shown = displayText(line);
        // The name fills 45 characters; the score's 4 follow.
        ListResul->setItem(row, 0, new QTableWidgetItem(shown.left(shown.size() - 4)));
        ListResul->setItem(row, 1, new QTableWidgetItem(shown.right(4)));
    }
    ListResul->clearSelection();
    showWidgets({PanelResCon, ListResul});
    ListResul->setFocus();
}

void UniversityQuestionnairePage::revisaClick()
{
    hideResults();
    QListWidget *list = listOf(m_active);
    showWidgets({VerResul, list});
    list->setFocus();
}

void UniversityQuestionnairePage::MenuMediaClick()
{
    if (!m_answers.bothStarted()) {
        m_window->showHelp(HelpCombinedTooEarly);
        return;
    }
    // Each part scored from the marks its list holds now.
    for (BachilleratoPart part : {BachilleratoPart::Qualities, BachilleratoPart::Interests})
        m_answers.scorePart(part, markedItems(part));
    hideWidgets({VerResul, revisa});
    showResult(m_answers.combine());
    showWidgets({acabarCua, ImpResul, grabar});
    m_window->showHelp(HelpCombinedResults);
}

void UniversityQuestionnairePage::MenuRetroConClick()
{
    close();
    m_window->openModuleMenu();
    if (m_returnsToMainMenu)
        m_window->returnToMainMenu();
}

void UniversityQuestionnairePage::ListResulClick(int row)
{
    const std::vector<int> &ranking = m_answers.lastRanking();
    if (row < 0 || row >= static_cast<int>(ranking.size()))
        return;
    fillList(ListCarreras, itineraryOutcomes(ranking[static_cast<size_t>(row)]));
    VerResul->hide();
    ListCarreras->show();
    ListCarreras->raise();
    ListCarreras->setFocus();
    m_window->showHelp(HelpItineraryClicked);
}

void UniversityQuestionnairePage::ListCarrerasClick()
{
    ListCarreras->hide();
    ListResul->setFocus();
}

void UniversityQuestionnairePage::acabarCuaClick()
{
    if (ListCarreras->isVisible()) {
        ListCarrerasClick();
        return;
    }
    showMenu();
}

void UniversityQuestionnairePage::ListResulMouseMove()
{
    LabelAviso->show();
    LabelAviso->raise();
}

bool UniversityQuestionnairePage::askStudentName()
{
    for (;;) {
        const std::optional<QString> typed =
            Form4->askName(uiText(kStudentNamePrompt), displayText(m_answers.studentName));
        if (!typed)
            return false;
        if (!typed->trimmed().isEmpty()) {
            m_answers.studentName = leftCharacters(storedText(typed->trimmed()), kStudentNameCharacters);
            return true;
        }
    }
}

namespace {

// Lines 0..n of a report page in the print buffer, its bold lines marked:
// the request the printer lays out.
ReportRequest pageRequest(const std::vector<QByteArray> &lines, const std::vector<int> &bold, bool monospaced)
{
    LineTable &buffer = work().print1;
    const int count = fillPrintBuffer(buffer, lines.front(), {lines.begin() + 1, lines.end()});
    setBoldLines({bold.begin(), bold.end()});
    return reportRequest(buffer, count, monospaced, kReportFontSize);
}

} // namespace

void UniversityQuestionnairePage::IMpResulClick()
{
    if (!askStudentName())
        return;
    using Part = BachilleratoPart;
    std::vector<int> bold;
    const std::vector<QByteArray> page1 =
        resultsReportPage1(m_answers.studentName, m_answers.part(Part::Qualities).ranked,
                           m_answers.part(Part::Interests).ranked, m_answers.combined(), &bold);
    const ReportRequest first = pageRequest(page1, bold, true);
    if (!askPrintQuestion())
        return;
    bold.clear();
    const std::vector<QByteArray> page2 = resultsReportPage2(m_answers.lastRanking(), &bold);
    PrintReports({first, pageRequest(page2, bold, false)});
    m_window->showHelp(HelpResultsPrinted);
}

void UniversityQuestionnairePage::grabarClick()
{
    if (!askStudentName())
        return;
    using Part = BachilleratoPart;
    if (const std::optional<QString> file = chooseResultFile(m_window, m_answers.studentName)) {
        hideWidgets({ListResul, LabelAviso});
        const std::vector<QByteArray> page1 =
            resultsReportPage1(m_answers.studentName, m_answers.part(Part::Qualities).ranked,
                               m_answers.part(Part::Interests).ranked, m_answers.combined());
        writeResultFile(*file, savedResultsText(page1, resultsReportPage2(m_answers.lastRanking())));
    }
    m_window->showHelp(HelpAfterSaving);
}

// Enter toggles the mark of the item under the focus; Return on a result row
// shows what follows from it and closes that list again; the pointer over the
// results shows the hint.
bool UniversityQuestionnairePage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == ListCua || watched == Listint) {
                toggleCurrentMark(static_cast<QListWidget *>(watched));
                return true;
            }
            if (watched == ListResul) {
                ListResulClick(ListResul->currentRow());
                return true;
            }
            if (watched == ListCarreras) {
                ListCarrerasClick();
                return true;
            }
        }
    }
    if (watched == ListResul->viewport() && event->type() == QEvent::MouseMove)
        ListResulMouseMove();
    if (watched == ListResul->viewport() && event->type() == QEvent::Leave)
        LabelAviso->hide();
    if (event->type() == QEvent::Enter)
        if (auto *hovered = qobject_cast<QPushButton *>(watched))
            highlightInItsMenu(hovered);
    return QObject::eventFilter(watched, event);
}

} // namespace velmira
