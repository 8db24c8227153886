// SPDX-License-Identifier: MIT
// Run once per layout of screens in tests/gui/saver/screens/, named by QT_QPA_PLATFORM.
#include "gui/saver/saver_driver.h"
#include "gui/saver/saver_window.h"
#include "support/widget_harness.h"

#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace varnholt;
using namespace varnholt::test;

namespace {

struct FullScreenSaver : WindowHarness {
    FullScreenSaver()
    {
        state.setRunMode(ModeSaver);
        set("ScreenSaver", "Speed", "100");
        driver.openWindows();
        driver.load();
        driver.showFullScreen();
    }
    SaverDriver driver{state};
};

} // namespace

class SaverScreensTest : public QObject {
    Q_OBJECT

private slots:
    void everyScreenGetsAWindowAndAPathOfItsOwnSize()
    {
        const QList<QScreen*> screens = QGuiApplication::screens();
        QVERIFY(screens.size() >= 2);
        FullScreenSaver s;
        QCOMPARE(s.driver.windows().size(), size_t(screens.size()));
        for (qsizetype i = 0; i < screens.size(); ++i) {
            SaverWindow& window = *s.driver.windows()[i];
            QCOMPARE(window.screen(), screens[i]);
            QCOMPARE(window.geometry(), screens[i]->geometry());
            // The first path starts beyond this screen's right edge and, once the block has
            // left its left edge, the next starts there again.
            const int width = qRound(screens[i]->geometry().width() * 1440 / screens[i]->logicalDotsPerInchX());
            QCOMPARE(window.block().TextLeft, width);
            window.advance((width + window.block().BlockWidth) / 100);
            QVERIFY(window.block().TextLeft < width);
            window.advance(1);
            QCOMPARE(window.block().TextLeft, width);
        }
        emit qGuiApp->screenRemoved(screens[1]);
        QCOMPARE(s.driver.windows().size(), size_t(screens.size() - 1));
        QVERIFY(s.driver.running());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void inputOnAnyWindowEndsTheRun_data()
    {
        QTest::addColumn<QString>("input"); // per event: window index, then m (mouse move) or k (key)
        QTest::addColumn<bool>("ends");
        QTest::newRow("a key on the second window") << "1k" << true;
        QTest::newRow("nine moves over two windows") << "0m 0m 0m 0m 1m 1m 1m 1m 1m" << true;
        QTest::newRow("eight moves over two windows") << "0m 1m 0m 1m 0m 1m 0m 1m" << false;
    }

    void inputOnAnyWindowEndsTheRun()
    {
        QFETCH(QString, input);
        QFETCH(bool, ends);
        FullScreenSaver s;
        QSignalSpy ended(&s.driver, &SaverDriver::endProcess);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        for (const QString& event : input.split(QLatin1Char(' '))) {
            SaverWindow* window = s.driver.windows()[event.left(1).toUInt()];
            if (event.endsWith(QLatin1Char('k')))
                QTest::keyClick(window, Qt::Key_A);
            else
                QApplication::sendEvent(window, &move);
        }
        QCOMPARE(ended.count(), ends ? 1 : 0);
        for (SaverWindow* window : s.driver.windows())
            QCOMPARE(window->isVisible(), !ends);
        // Hidden once for all screens by the set-up, shown by the end and by the unload.
        QCOMPARE(s.fakes.platform.cursorCount, ends ? 1 : -1);
    }
};

QTEST_MAIN(SaverScreensTest)
#include "saver_screens_test.moc"
