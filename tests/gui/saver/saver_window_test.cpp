#include "gui/saver/saver_window.h"

#include "support/fakes.h"

#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace varnholt;
using namespace varnholt::test;

namespace {

struct Saver {
    explicit Saver(std::int32_t runMode) { state.runMode = runMode; }
    FakeServices fakes;
    ProgramState state{Services{fakes.store, fakes.clock, fakes.dates, fakes.platform}};

    void set(const char* key, const std::string& value) { fakes.store.values[{"ScreenSaver", key}] = value; }
    void setDate(const std::string& date) { fakes.store.values[{"Common", "Date"}] = date; }
};

QMouseEvent mouseMove()
{
    return QMouseEvent(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
}

} // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

private slots:
    void layoutSumsForBothStyles_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("one line") << 0;
        QTest::newRow("two lines") << 1;
    }

    void layoutSumsForBothStyles()
    {
        QFETCH(int, style);
        Saver s(ModeSaver);
        s.setDate("01/01/2012");
        s.set("Style", std::to_string(style));
        s.set("TextFontSize0", "30");
        SaverWindow window(s.state);
        window.load();

        const TextBlockState& b = s.state.block;
        const QSize text = window.lblText->size();
        const QSize time = window.lblTime->size();
        QCOMPARE(window.lblText->text(), QStringLiteral("Main Title Text (Change this!!)"));
        QCOMPARE(window.lblTime->text(), QStringLiteral(" 9 months  17 days!"));
        if (style == 0) {
            QCOMPARE(text.height(), time.height()); // the taller label sets both heights
            QCOMPARE(int(b.BlockWidth), (text.width() + time.width()) * 15);
            QCOMPARE(int(b.BlockHeight), text.height() * 15);
            QCOMPARE(int(b.TimeOffsetX), text.width() * 15);
            QCOMPARE(int(b.TimeOffsetY), 0);
        } else {
            QCOMPARE(text.width(), time.width());
            QCOMPARE(int(b.BlockHeight), (text.height() + time.height()) * 15);
            QCOMPARE(int(b.TimeOffsetX), 0);
            QCOMPARE(int(b.TimeOffsetY), text.height() * 15);
        }
        QVERIFY(window.tmrScroll->isActive());
        QCOMPARE(b.TextLeft, s.state.screenWidth); // the first path starts beyond the right edge
    }

    void timeLeftLineTakesFontEntryTwoAfterTheDate()
    {
        Saver s(ModeSaver);
        s.setDate("01/01/2011");
        s.set("TextFontSize1", "10");
        s.set("TextFontSize2", "20");
        s.set("TextFontColor2", "16711680");
        s.set("TextFontItalic2", "True");
        SaverWindow window(s.state);
        window.load();
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
        SaverWindow window(s.state);
        window.load();
        QCOMPARE(window.lblText->font().pointSize(), 8);
        QCOMPARE(window.lblTime->font().pointSize(), 8);
        QCOMPARE(window.imgPhoto->size(), QSize(100, 50));
        QCOMPARE(s.state.block.PictureLeft, 390);
        QCOMPARE(s.state.block.PictureTop, 34);
        QCOMPARE(window.imgPhoto->pos(), QPoint(26, 2));
    }

    void pictureFallbacksAndLoadErrors_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing file: built-in picture at the size step") << "missing.png" << "2" << QSize(300, 150) << "";
        QTest::newRow("missing folder") << "nowhere/x.png" << "-1" << QSize(150, 75) << "";
        QTest::newRow("reduced file") << "good.png" << "-2" << QSize(20, 10) << "";
        QTest::newRow("not a picture") << "text.jpg" << "1" << QSize() << "Load Error Number: 481\r\nInvalid picture";
        QTest::newRow("enormous step") << "good.png" << "32767" << QSize() << "Load Error Number: 6\r\nOverflow";
    }

    void pictureFallbacksAndLoadErrors()
    {
        QFETCH(QString, file);
        QFETCH(QString, size);
        QFETCH(QSize, shown);
        QFETCH(QString, message);
        QTemporaryDir dir;
        QImage(40, 20, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("good.png")));
        QFile text(dir.filePath(QStringLiteral("text.jpg")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture at all");
        text.close();

        Saver s(ModeSaver);
        s.set("ImageUsed", "1");
        s.set("ImageStyle", "1");
        s.set("ImagePath", dir.path().toStdString());
        s.set("ImageName", file.toStdString());
        s.set("ImageSize", size.toStdString());
        s.set("ImageIndex", "2");
        SaverWindow window(s.state);
        window.load();
        if (message.isEmpty()) {
            QVERIFY(s.fakes.platform.messages.empty());
            QCOMPARE(window.imgPhoto->size(), shown);
            QVERIFY(window.tmrScroll->isActive());
        } else {
            QCOMPARE(s.fakes.platform.messages.size(), size_t(1));
            QVERIFY(QString::fromStdString(s.fakes.platform.messages[0].text).startsWith(message));
            QVERIFY(!window.tmrScroll->isActive()); // the set-up stopped before the timer
        }
    }

    void textBlockBeyondSixteenBitsIsAnOverflow()
    {
        Saver s(ModeSaver);
        s.set("TextFontSize0", "2000");
        SaverWindow window(s.state);
        window.load();
        QCOMPARE(s.fakes.platform.messages.size(), size_t(1));
        QCOMPARE(s.fakes.platform.messages[0].text, std::string("Load Error Number: 6\r\nOverflow"));
        QVERIFY(!window.tmrScroll->isActive());
    }

    void ninthMouseMoveEndsTheSaver()
    {
        Saver s(ModeSaver);
        SaverWindow window(s.state);
        window.load();
        QSignalSpy ended(&window, &SaverWindow::endProcess);
        for (int i = 0; i < 8; ++i) {
            QMouseEvent move = mouseMove();
            QApplication::sendEvent(&window, &move);
        }
        QCOMPARE(ended.count(), 0);
        QMouseEvent ninth = mouseMove();
        QApplication::sendEvent(&window, &ninth);
        QCOMPARE(ended.count(), 1);
        // Hidden once by the set-up, shown by endSaver and by the unload.
        QCOMPARE(s.fakes.platform.cursorCount, 1);
        QVERIFY(!window.tmrScroll->isActive());
    }

    void onlyKeysWithACharacterEndTheSaver_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ends");
        QTest::newRow("Shift") << int(Qt::Key_Shift) << "" << false;
        QTest::newRow("Ctrl") << int(Qt::Key_Control) << "" << false;
        QTest::newRow("arrow") << int(Qt::Key_Left) << "" << false;
        QTest::newRow("F1") << int(Qt::Key_F1) << "" << false;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << "\x7f" << false;
        QTest::newRow("letter") << int(Qt::Key_A) << "a" << true;
        QTest::newRow("space") << int(Qt::Key_Space) << " " << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << "\x1b" << true;
        QTest::newRow("Enter") << int(Qt::Key_Return) << "\r" << true;
    }

    void onlyKeysWithACharacterEndTheSaver()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(bool, ends);
        Saver s(ModeSaver);
        SaverWindow window(s.state);
        window.load();
        QSignalSpy ended(&window, &SaverWindow::endProcess);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&window, &press);
        QCOMPARE(ended.count(), ends ? 1 : 0);
    }

    void previewAndConfigureIgnoreInput_data()
    {
        QTest::addColumn<int>("runMode");
        QTest::newRow("preview") << int(ModePreview);
        QTest::newRow("configure") << int(ModeNone);
    }

    void previewAndConfigureIgnoreInput()
    {
        QFETCH(int, runMode);
        Saver s(runMode);
        SaverWindow window(s.state);
        window.load();
        QSignalSpy ended(&window, &SaverWindow::endProcess);
        for (int i = 0; i < 20; ++i) {
            QMouseEvent move = mouseMove();
            QApplication::sendEvent(&window, &move);
        }
        QTest::mouseClick(&window, Qt::LeftButton);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(&window, &press);
        QCOMPARE(ended.count(), 0);
        QCOMPARE(window.mouseMoveCount, 20);
    }

    void unloadingThePreviewActivatesTheProgramWindowAndEnds()
    {
        Saver s(ModePreview);
        SaverWindow window(s.state);
        window.load();
        s.fakes.platform.showCursor(true); // start-up shows it again after the set-up
        QSignalSpy ended(&window, &SaverWindow::endProcess);
        window.unload();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(s.fakes.platform.activated, std::vector<std::string>{"Varnholt ScreenSaver"});
        QCOMPARE(s.fakes.platform.cursorCount, 0);
    }
};

QTEST_MAIN(FrmMainTest)
#include "saver_window_test.moc"
