#pragma once
// What a subject box of the itineraries diagram shows: its list lines, taken
// from the subject, information and degree tables, and where the list opens.

#include <QByteArray>
#include <QPoint>
#include <QRect>

#include <vector>

namespace velmira {

class LineTable;
struct DegreeRows;

// The tables the lists are read from.
struct SubjectListSources
{
    const LineTable &materias;
    const LineTable &informa;
    const LineTable &fps;
    const LineTable &carreran;
    const DegreeRows &datgrados;
};

// The ESO window's loaded tables and the university degrees.
SubjectListSources loadedListSources();

// The "materias" lines a selector picks: a group digit and up to two kind
// digits, then, for a seven-digit selector, a second group digit and up to
// three kind digits. Characters 3-60 of each line, first part first.
std::vector<QByteArray> selectedSubjects(const LineTable &materias, int selector);

// Characters 3-60 of the "informa" lines of a code, in table order. Codes 21
// to 29 also take the lines common to them (code 20) in their places; code 99
// ends with the professional certificates' texts.
std::vector<QByteArray> informationLines(const LineTable &informa, int code);

// The studies a Bachillerato route leads to, from interface text 168 on: the
// degrees of branch b and the higher-grade titles of "fps" list d.
std::vector<QByteArray> degreeListBody(const SubjectListSources &tables, int branch, int fpsList);

enum class BoxAction { Nothing, PrintSheet, InformationList, SubjectList };

struct SubjectBoxContent
{
    BoxAction action = BoxAction::Nothing;
    int number = 0;        // sheet, "informa" code or "materias" selector
    int heading = 0;       // interface text of a seven-digit selector's heading
    int headingSecond = 0; // joined to the heading by a blank
};

constexpr int kSubjectBoxes = 52;

// The content of box 0..51.
SubjectBoxContent subjectBoxContent(int box);

// The heading line of a subject list (at most 31 characters when joined).
QByteArray subjectListHeading(const SubjectBoxContent &content);

// The lines a box shows in the list; empty for boxes that print or do nothing.
std::vector<QByteArray> subjectListLines(const SubjectListSources &tables, int box);

// The degree list of the more-information link: "-" + heading, then the body.
// Empty for a box without one.
std::vector<QByteArray> moreInformationLines(const SubjectListSources &tables, int box);

// What the more-information link does for the last box clicked.
enum class MoreInformation {
    Nothing,
    DegreeList,
    CertificatesWindow,
    InitialProgrammesWindow,
    MiddleGradeExplorer
};
MoreInformation moreInformationAction(int box);

constexpr int kListWidth = 300;
constexpr int kWindowWidth = 1024;
constexpr int kWindowHeight = 768;
constexpr int kLinkRowHeight = 23; // the more-information link under a list

int subjectListHeight(int box, int lineCount);
constexpr int kDegreeListHeight = 225;

// Where a list opens and how it grows there.
struct ListPlacement
{
    std::vector<QRect> openingSteps; // the list at each 4-pixel step
    QRect list;                      // the list once open
    bool overflowsDown = false;
    QPoint closeButton;           // top-left corner of the close button
    bool moreInformation = false; // the blinking link under the list
    QPoint moreInformationAt;     // top-left corner of the link
    int moreInformationWidth = 0;
};

// The list of a box with the given height, opened from the box's corner; the
// link is added for an information list of the boxes that have one.
ListPlacement placeSubjectList(int box, int height, bool informationList);

// The clicks on the subject boxes: a click while a list is marked open only
// closes it; any other click marks a list open, whatever the box shows.
class SubjectBoxClicks
{
public:
    // True when the box's content is to be shown or printed.
    bool click(int box);
    // The close button, a click on the window or Escape.
    void close() { m_listOpen = false; }
    // The itineraries button starts counting again.
    void resetCount() { m_count = 0; }

    bool listOpen() const { return m_listOpen; }
    int lastBox() const { return m_lastBox; }
    int count() const { return m_count; }

private:
    bool m_listOpen = false;
    int m_lastBox = -1;
    int m_count = 0;
};

} // namespace velmira
