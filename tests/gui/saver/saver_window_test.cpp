// SPDX-License-Identifier: MIT
#include "gui/saver/saver_window.h"

#include "core/program/start_up.h"
#include "gui/saver/saver_driver.h"
#include "support/picture_folder.h"
#include "support/widget_harness.h"

#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QtTest>

using namespace varnholt;
using namespace varnholt::test;

namespace {

struct Saver : WindowHarness {
    explicit Saver(std::int32_t runMode) { state.setRunMode(runMode); }

    SaverWindow& load()
    {
        driver.openWindows();
        driver.load();
        return *driver.windows().front();
    }
    void set(const char* key, const std::string& value) { WindowHarness::set("ScreenSaver", key, value); }

    SaverDriver driver{state};
};

QMouseEvent mouseMove()
{
    return QMouseEvent(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
}

QLabel* control(SaverWindow& window, const char* name)
{
    return window.findChild<QLabel*>(QLatin1String(name));
}

} // namespace

class SaverWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The lines as the controller dressed them, the first path under way.
    void linesInTheirFontsAndTheFirstPath()
    {
        Saver s(ModeSaver);
        s.WindowHarness::set("Common", "Date", "01/01/2011");
        s.set("TextFontSize1", "10");
        s.set("TextFontSize2", "20");
        s.set("TextFontColor2", "16711680");
        s.set("TextFontItalic2", "True");
        SaverWindow& window = s.load();
        QCOMPARE(control(window, "lblText")->text(), QString());
        QLabel* time = control(window, "lblTime");
        QVERIFY(time->text().endsWith(QStringLiteral("   (73 days ago!)")));
        QCOMPARE(time->font().pointSize(), 20);
        QVERIFY(time->font().italic());
        QCOMPARE(time->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(s.driver.running());
        QCOMPARE(window.block().TextLeft, window.screenTwips().width);
    }

    void previewKeepsThePictureWholeInEveryFrame_data()
    {
        QTest::addColumn<int>("direction");
        QTest::newRow("Forward, wrapping at the left edge") << int(DirForward);
        QTest::newRow("Backward, wrapping at the right edge") << int(DirBackward);
        QTest::newRow("Downward, wrapping at the bottom edge") << int(DirDownward);
        QTest::newRow("Upward, wrapping at the top edge") << int(DirUpward);
    }

    // Frame by frame as shown, in a 152 x 112 preview: the block passes the picture, wraps and passes it again.
    void previewKeepsThePictureWholeInEveryFrame()
    {
        QFETCH(int, direction);
        Saver s(ModePreview);
        s.set("ImageUsed", "1");
        s.set("Direction", std::to_string(direction));
        s.state.setScreenRect(Rect{0, 0, 152, 112});
        TextBlockState start;
        setPreviewStart(start, std::int16_t(direction), 152, 112, s.fakes.platform.screen());
        s.state.setStartBlock(start);
        SaverWindow& window = s.load();
        window.setGeometry(0, 0, 152, 112);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(control(window, "lblText")->font().pointSize(), 8);
        const QImage picture = control(window, "imgPhoto")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect place = control(window, "imgPhoto")->geometry();
        const TextBlockState& b = window.block();
        const int halfStep = s.state.settings().Speed / 2;
        const int lap = (b.PreviewSpan + (direction < DirDownward ? b.BlockWidth : b.BlockHeight)) / halfStep;
        for (int frame = 1; frame <= 2 * lap; ++frame) {
            window.advance(1);
            const QPixmap grabbed = window.screen()->grabWindow(window.winId());
            const QImage shown = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
            const QRegion block = QRegion(control(window, "lblText")->geometry())
                + control(window, "lblTime")->geometry();
            int wrong = 0;
            for (int y = 0; y < place.height(); ++y)
                for (int x = 0; x < place.width(); ++x)
                    wrong += !block.contains(place.topLeft() + QPoint(x, y))
                        && shown.pixel(place.topLeft() + QPoint(x, y)) != picture.pixel(x, y);
            if (wrong)
                QFAIL(qPrintable(QStringLiteral("frame %1: %2 picture pixels differ").arg(frame).arg(wrong)));
        }
    }

    // Real files: a missing one gives the built-in picture at the size step, a text file the load error.
    void filePicturesReachTheController()
    {
        PictureFolder folder;
        folder.write(QStringLiteral("text.jpg"), "not a picture at all");
        const std::pair<const char*, QSize> files[] = {{"missing.png", QSize(300, 150)}, {"text.jpg", QSize()}};
        for (const auto& [name, shown] : files) {
            Saver s(ModeSaver);
            s.WindowHarness::set("ScreenSaver",
                                 QStringLiteral("ImageUsed=1 ImageStyle=1 ImageIndex=2 ImageSize=2 "
                                                "ImagePath=%1 ImageName=%2")
                                     .arg(folder.path(), QLatin1String(name)));
            SaverWindow& window = s.load();
            QCOMPARE(s.driver.running(), shown.isValid());
            if (shown.isValid())
                QCOMPARE(control(window, "imgPhoto")->size(), shown);
            else
                QCOMPARE(QString::fromStdString(s.fakes.platform.messages.at(0).text),
                         QStringLiteral("Load Error Number: 481\r\nInvalid picture"));
        }
    }

    void inputReachesTheController_data()
    {
        QTest::addColumn<int>("moves");
        QTest::addColumn<int>("key"); // 0: a click
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Ctrl") << 0 << int(Qt::Key_Control) << "" << false;
        QTest::newRow("Delete") << 0 << int(Qt::Key_Delete) << "\x7f" << false;
        QTest::newRow("letter") << 0 << int(Qt::Key_A) << "a" << true;
        QTest::newRow("click") << 0 << 0 << "" << true;
        QTest::newRow("nine moves") << 9 << int(Qt::Key_Control) << "" << true;
    }

    void inputReachesTheController()
    {
        QFETCH(int, moves);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, ends);
        Saver s(ModeSaver);
        SaverWindow& window = s.load();
        QSignalSpy ended(&s.driver, &SaverDriver::endProcess);
        for (int i = 0; i < moves; ++i) {
            QMouseEvent move = mouseMove();
            QApplication::sendEvent(&window, &move);
        }
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        if (key == 0)
            QTest::mouseClick(&window, Qt::LeftButton);
        else if (!ended.count())
            QApplication::sendEvent(&window, &press);
        QCOMPARE(ended.count(), ends ? 1 : 0);
        QCOMPARE(s.driver.running(), !ends);
    }
};

QTEST_MAIN(SaverWindowTest)
#include "saver_window_test.moc"
