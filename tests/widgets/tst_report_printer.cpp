// The report printer's PDF output, and the print question asked through the
// program's question boxes.

#include "data/foundation_state.h"
#include "data/interface_texts.h"
#include "data/line_table.h"
#include "data/messages.h"
#include "data/print_state.h"
#include "widgets/message_boxes.h"
#include "widgets/report_printer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace velmira;

class ReportPrinterTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetFoundationState(); }

    void printsToThePdfNamedInTheEnvironment()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        qputenv("VELMIRA_PRINT_PDF", pdf.toLocal8Bit());
        LineTable buffer(1501, 60);
        buffer.set(0, "Resultados");
        for (int k = 1; k <= 75; ++k)
            buffer.set(k, "Linea " + QByteArray::number(k));
        buffer.set(76, "restos de un informe anterior");
        setBoldLines({});
        PrintLines(buffer, 75, false, 9);
        qunsetenv("VELMIRA_PRINT_PDF");

        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "),
                 2);
        // Entries above the count are emptied once the job has started.
        QVERIFY(buffer.at(76).isEmpty());
        QCOMPARE(buffer.at(75), QByteArray("Linea 75"));
    }

    // Interface text 36 and " ?", in a box with OK and No; only OK prints.
    void printQuestionIsAskedInABox()
    {
        interfaceTextTable().set(36, "Imprimir");
        AssignInterfaceTexts();
        setPrintQuestion();
        installMessageBoxes();
        for (const QMessageBox::StandardButton choice : {QMessageBox::Ok, QMessageBox::No}) {
            QString asked;
            QTimer::singleShot(0, this, [&] {
                QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                asked = box->text();
                QTest::mouseClick(box->button(choice), Qt::LeftButton);
            });
            QCOMPARE(askPrintQuestion(), choice == QMessageBox::Ok);
            QCOMPARE(asked, QStringLiteral("Imprimir ?"));
        }
    }

    // Without boxes (the headless check) the question is printed and answered No.
    void printQuestionWithoutBoxesIsNo() { QVERIFY(!askPrintQuestion()); }
};

QTEST_MAIN(ReportPrinterTest)
#include "tst_report_printer.moc"
