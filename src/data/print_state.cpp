#include "print_state.h"

#include "interface_texts.h"
#include "text_bytes.h"

#include <QMessageBox>

namespace velmira {

namespace {
std::set<int> g_boldLines;
QByteArray g_printQuestion;
} // namespace

const std::set<int> &boldLines() { return g_boldLines; }
void setBoldLines(std::set<int> lines) { g_boldLines = std::move(lines); }

QByteArray printQuestion() { return g_printQuestion; }
void setPrintQuestion() { g_printQuestion = interfaceText(36) + " ?"; }

bool askPrintQuestion(QWidget *parent)
{
    return QMessageBox::question(parent, QStringLiteral("Velmira"), displayText(g_printQuestion),
                                 QMessageBox::Ok | QMessageBox::No, QMessageBox::Ok)
        == QMessageBox::Ok;
}

} // namespace velmira
