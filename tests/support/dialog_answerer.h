#pragma once
// What the window tests share: answering the modal windows a pupil would
// answer (the question window, the print question, the save dialog), and
// reading back a printed PDF.

#include "data/report_layout.h"
#include "support/controls.h"
#include "widgets/question_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace testsupport {

// Watches for modal windows while a handler runs and answers each the way it
// was told; counts what it answered so that a test can check it was asked.
class DialogAnswerer : public QObject
{
public:
    QString name;          // typed into the question window's name field
    bool answerYes = true; // to the question window
    QString saveAs;        // chosen in the save dialog; empty cancels it
    int questionsAnswered = 0;
    int printQuestionsAnswered = 0;
    int saveDialogsAnswered = 0;
    QString lastQuestion;
    QString lastSecondLine; // empty when the question had none
    QString proposedFileName;
    QString saveDialogTitle;

    DialogAnswerer()
    {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, &DialogAnswerer::answer);
        m_timer.start();
    }

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (modal == velmira::Form4 && velmira::Form4->isVisible()) {
            ++questionsAnswered;
            lastQuestion = control<QLabel>(modal, "LabelNombre")->text();
            const auto *secondLine = control<QLabel>(modal, "LabelNombre2");
            lastSecondLine = secondLine->isVisible() ? secondLine->text() : QString();
            if (auto *field = control<QLineEdit>(modal, "EditNombre"); field->isVisible())
                typeText(field, name);
            QTest::mouseClick(control<QPushButton>(modal, answerYes ? "ShadowSi" : "ShadowNo"),
                              Qt::LeftButton);
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            ++printQuestionsAnswered;
            box->button(QMessageBox::Ok)->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (dialog != m_lastDialog) {
                m_lastDialog = dialog;
                ++saveDialogsAnswered;
                const QStringList chosen = dialog->selectedFiles();
                proposedFileName = chosen.isEmpty() ? QString() : chosen.constFirst();
                saveDialogTitle = dialog->windowTitle();
            }
            if (saveAs.isEmpty()) {
                dialog->reject();
                return;
            }
            // Typed into the file name field, as the pupil would.
            if (auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                field->setText(saveAs);
            if (dialog->selectedFiles() != QStringList{saveAs} && ++m_attempts < 50)
                return; // asked again on the next tick, once the dialog has settled
            dialog->QDialog::done(QDialog::Accepted);
        }
    }

    QTimer m_timer;
    QFileDialog *m_lastDialog = nullptr;
    int m_attempts = 0;
};

// The pages of a PDF as written by the report printer.
inline int pdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    return static_cast<int>(text.count(page));
}

// The pages the report printer lays a report on, on the page of a PDF.
inline int expectedPdfPages(const velmira::ReportRequest &request)
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    return static_cast<int>(velmira::layoutReport(request, page.width(), page.height()).pages.size());
}

// The text of a PDF as pdftotext reads it, every run of blanks made one.
inline QString pdfText(const QString &path)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    pdftotext.waitForFinished(20000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

// Prints through the report printer into a PDF, answering the questions.
class PdfPrint
{
public:
    PdfPrint()
        : m_path(m_dir.filePath(QStringLiteral("listing.pdf")))
    {
        qputenv("VELMIRA_PRINT_PDF", m_path.toLocal8Bit());
    }
    ~PdfPrint() { qunsetenv("VELMIRA_PRINT_PDF"); }
    PdfPrint(const PdfPrint &) = delete;
    PdfPrint &operator=(const PdfPrint &) = delete;
    QString text() const { return pdfText(m_path); }
    bool written() const { return QFile::exists(m_path); }
    int pages() const { return pdfPageCount(m_path); }
    DialogAnswerer answerer;

private:
    QTemporaryDir m_dir;
    QString m_path;
};

} // namespace testsupport
