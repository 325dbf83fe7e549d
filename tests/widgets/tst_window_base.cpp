// Leaving a window brings back the one that opened it, or the main menu.

#include "widgets/window_base.h"

#include <QtTest>

using namespace velmira;

class WindowBaseTest : public QObject
{
    Q_OBJECT

    struct Window : WindowBase
    {
        Window()
            : WindowBase(QStringLiteral("Velmira"), QSize(200, 100), Qt::white)
        {
        }
    };

private slots:
    void escapeGoesBackToTheOpenerOrTheMainMenu()
    {
        Window menu, module, explorer;
        WindowBase::setMainMenuWindow(&menu);

        module.openFrom(&menu);
        menu.hide();
        explorer.openFrom(&module);
        QTest::keyClick(&explorer, Qt::Key_Escape);
        QVERIFY(!explorer.isVisible());
        QVERIFY(module.isVisible());
        QVERIFY(!menu.isVisible());

        // Opened from the main menu this time, it goes back there.
        module.hide();
        explorer.openFrom(nullptr);
        explorer.close();
        QVERIFY(!explorer.isVisible());
        QVERIFY(menu.isVisible());
        WindowBase::setMainMenuWindow(nullptr);
    }
};

QTEST_MAIN(WindowBaseTest)
#include "tst_window_base.moc"
