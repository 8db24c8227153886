#include "gui/saver/saver_window.h"

#include "gui/saver/saver_driver.h"
#include "support/picture_folder.h"
#include "support/widget_harness.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

using namespace varnholt;
using namespace varnholt::test;

namespace {

struct Saver : WindowHarness {
    explicit Saver(std::int32_t runMode) { state.runMode = runMode; }

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

} // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

private slots:
    void layoutSumsForBothStyles()
    {
        for (const int style : {0, 1}) {
            Saver s(ModeSaver);
            s.WindowHarness::set("Common", "Date", "01/01/2012");
            s.set("Style", std::to_string(style));
            s.set("TextFontSize0", "30");
            SaverWindow& window = s.load();

            const TextBlockState& b = window.block();
            const QSize text = window.lblText->size();
            const QSize time = window.lblTime->size();
            QCOMPARE(window.lblText->text(), QStringLiteral("Main Title Text (Change this!!)"));
            QCOMPARE(window.lblTime->text(), QStringLiteral(" 9 months  17 days!"));
            // One line: side by side at the taller height; two lines: stacked at the wider width.
            QCOMPARE(style ? text.width() : text.height(), style ? time.width() : time.height());
            const QPoint offset = style ? QPoint(0, text.height()) : QPoint(text.width(), 0);
            QCOMPARE(QPoint(b.TimeOffsetX, b.TimeOffsetY), offset * 15);
            QCOMPARE(QSize(b.BlockWidth, b.BlockHeight),
                     (style ? QSize(text.width(), text.height() + time.height())
                            : QSize(text.width() + time.width(), text.height()))
                         * 15);
            QVERIFY(s.driver.running());
            QCOMPARE(b.TextLeft, window.screenTwips().width); // the first path starts beyond the right edge
        }
    }

    void timeLeftLineTakesFontEntryTwoAfterTheDate()
    {
        Saver s(ModeSaver);
        s.WindowHarness::set("Common", "Date", "01/01/2011");
        s.set("TextFontSize1", "10");
        s.set("TextFontSize2", "20");
        s.set("TextFontColor2", "16711680");
        s.set("TextFontItalic2", "True");
        SaverWindow& window = s.load();
        QCOMPARE(window.lblText->text(), QString());
        QVERIFY(window.lblTime->text().endsWith(QStringLiteral("   (73 days ago!)")));
        QCOMPARE(window.lblTime->font().pointSize(), 20);
        QVERIFY(window.lblTime->font().italic());
        QCOMPARE(window.lblTime->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }

    void previewShowsEightPointTextAndTheDefaultPicture()
    {
        Saver s(ModePreview);
        s.set("ImageUsed", "1");
        s.set("ImageStyle", "1");
        s.set("ImageName", "holiday.jpg");
        s.state.block.PreviewSpan = 2280;
        s.state.block.TextTop = 784;
        SaverWindow& window = s.load();
        QCOMPARE(window.lblText->font().pointSize(), 8);
        QCOMPARE(window.lblTime->font().pointSize(), 8);
        QCOMPARE(window.imgPhoto->size(), QSize(100, 50));
        QCOMPARE(window.block().PictureLeft, 390);
        QCOMPARE(window.block().PictureTop, 34);
        QCOMPARE(window.imgPhoto->pos(), QPoint(26, 2));
    }

    void picturesAndLoadErrors_data()
    {
        QTest::addColumn<QString>("stored"); // ScreenSaver keys; {dir} is a folder with good.png and text.jpg
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QString>("message");
        const auto file = [](const char* nameAndStep) {
            return QStringLiteral("ImageUsed=1 ImageStyle=1 ImageIndex=2 ImagePath={dir} ")
                + QLatin1String(nameAndStep);
        };
        QTest::newRow("missing file: built-in picture at the size step")
            << file("ImageName=missing.png ImageSize=2") << QSize(300, 150) << "";
        QTest::newRow("missing folder") << file("ImageName=nowhere/x.png ImageSize=-1") << QSize(150, 75) << "";
        QTest::newRow("reduced file") << file("ImageName=good.png ImageSize=-2") << QSize(20, 10) << "";
        QTest::newRow("not a picture") << file("ImageName=text.jpg ImageSize=1") << QSize()
                                       << "Load Error Number: 481\r\nInvalid picture";
        QTest::newRow("enormous step") << file("ImageName=good.png ImageSize=32767") << QSize()
                                       << "Load Error Number: 6\r\nOverflow";
        QTest::newRow("text block beyond 16 bits")
            << "Style=1 TextFontSize0=999 TextFontSize1=999" << QSize() << "Load Error Number: 6\r\nOverflow";
    }

    void picturesAndLoadErrors()
    {
        QFETCH(QString, stored);
        QFETCH(QSize, shown);
        QFETCH(QString, message);
        PictureFolder folder;
        folder.write(QStringLiteral("good.png"), encoded(picture(40, 20), "PNG"));
        folder.write(QStringLiteral("text.jpg"), "not a picture at all");
        Saver s(ModeSaver);
        s.WindowHarness::set("ScreenSaver", stored.replace(QLatin1String("{dir}"), folder.path()));
        SaverWindow& window = s.load();
        if (message.isEmpty()) {
            QVERIFY(s.fakes.platform.messages.empty());
            QCOMPARE(window.imgPhoto->size(), shown);
            QVERIFY(s.driver.running());
        } else {
            QCOMPARE(s.fakes.platform.messages.size(), size_t(1));
            QCOMPARE(QString::fromStdString(s.fakes.platform.messages[0].text), message);
            QVERIFY(!s.driver.running()); // the set-up stopped before the timer
        }
    }

    void onlyTheSaverEndsOnInput_data()
    {
        QTest::addColumn<int>("runMode");
        QTest::addColumn<int>("moves");
        QTest::addColumn<int>("key"); // 0: a click
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ends");
        QTest::newRow("eight mouse moves") << int(ModeSaver) << 8 << int(Qt::Key_Shift) << "" << false;
        QTest::newRow("the ninth") << int(ModeSaver) << 9 << int(Qt::Key_Shift) << "" << true;
        QTest::newRow("Ctrl") << int(ModeSaver) << 0 << int(Qt::Key_Control) << "" << false;
        QTest::newRow("Delete") << int(ModeSaver) << 0 << int(Qt::Key_Delete) << "\x7f" << false;
        QTest::newRow("letter") << int(ModeSaver) << 0 << int(Qt::Key_A) << "a" << true;
        QTest::newRow("click") << int(ModeSaver) << 0 << 0 << "" << true;
        QTest::newRow("preview: moves, letter") << int(ModePreview) << 20 << int(Qt::Key_A) << "a" << false;
        QTest::newRow("preview: click") << int(ModePreview) << 0 << 0 << "" << false;
        QTest::newRow("configure: moves, letter") << int(ModeNone) << 20 << int(Qt::Key_A) << "a" << false;
    }

    void onlyTheSaverEndsOnInput()
    {
        QFETCH(int, runMode);
        QFETCH(int, moves);
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, ends);
        Saver s(runMode);
        SaverWindow& window = s.load();
        QSignalSpy ended(&s.driver, &SaverDriver::endProcess);
        for (int i = 0; i < moves; ++i) {
            QMouseEvent move = mouseMove();
            QApplication::sendEvent(&window, &move);
        }
        QCOMPARE(s.driver.mouseMoveCount, runMode == ModeSaver ? moves % 9 : moves);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        if (key == 0)
            QTest::mouseClick(&window, Qt::LeftButton);
        else if (!ended.count())
            QApplication::sendEvent(&window, &press);
        QCOMPARE(ended.count(), ends ? 1 : 0);
        QCOMPARE(s.driver.running(), !ends);
        // Hidden once by the set-up, shown by endSaver and by the unload.
        QCOMPARE(s.fakes.platform.cursorCount, ends ? 1 : -1);
    }

    void unloadingThePreviewActivatesTheProgramWindowAndEnds()
    {
        Saver s(ModePreview);
        s.load();
        s.fakes.platform.showCursor(true); // start-up shows it again after the set-up
        QSignalSpy ended(&s.driver, &SaverDriver::endProcess);
        s.driver.unload();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(s.fakes.platform.activated, std::vector<std::string>{"Varnholt ScreenSaver"});
        QCOMPARE(s.fakes.platform.cursorCount, 0);
    }
};

QTEST_MAIN(FrmMainTest)
#include "saver_window_test.moc"
