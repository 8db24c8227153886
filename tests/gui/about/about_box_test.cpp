#include "gui/about/about_box.h"

#include "support/fakes.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace varnholt;
using namespace varnholt::test;

namespace {

struct About {
    FakeServices fakes;
    ProgramState state{Services{fakes.store, fakes.clock, fakes.dates, fakes.platform}};
    About() { state.dataFolder = qEnvironmentVariable("VARNHOLT_SOURCE_DIR").toStdString() + "/src/resources"; }
};

// Twips at the fakes' 15 twips per pixel, to the nearest pixel.
QRect pixels(int left, int top, int width, int height)
{
    return {qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0)};
}

} // namespace

class FrmAboutTest : public QObject {
    Q_OBJECT

private slots:
    void captionsAndPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("darkBlue");
        QTest::addColumn<bool>("rightAligned");
        const QString none;
        QTest::newRow("imgLogo") << "imgLogo" << none << none << pixels(252, 144, 2220, 1020) << false << false;
        QTest::newRow("lblTitle") << "lblTitle" << "Varnholt ScreenSaver" << none << pixels(2664, 168, 4488, 336)
                                  << true << false;
        QTest::newRow("lblVersion") << "lblVersion" << "Version 3.0" << none << pixels(2664, 516, 1464, 300) << true
                                    << false;
        QTest::newRow("lblCopyRight") << "lblCopyRight" << QString::fromUtf8("Copyright \u00a9 Kestle") << none
                                      << pixels(4140, 516, 3012, 300) << true << true;
        QTest::newRow("lblDate") << "lblDate" << "Copyright 2011" << none << pixels(4140, 816, 3012, 300) << true
                                 << true;
        QTest::newRow("lblDescription")
            << "lblDescription"
            << "Use this program to count down to a specific date. The date is calculated by subtracting the "
               "Current Date from the Target Date. While the Target Date has not been reached the Event Text is "
               "displayed along with the remaining Year(s), Month(s) and Day(s). The Target Text will be displayed "
               "when the Target Date is reached. The Target Passed Text will be displayed when the Future Date has "
               "passed."
            << none << pixels(240, 1248, 6912, 1212) << false << false;
        QTest::newRow("lblContact") << "lblContact"
                                    << "Please report any problems or ideas for new features to the email address "
                                       "shown below.  Thank you for your consideration."
                                    << none << pixels(240, 4356, 6912, 684) << false << false;
        QTest::newRow("Line1") << "Line1" << none << none << QRect(-4, 339, 500, 1) << false << false;
        QTest::newRow("lblWebSite") << "lblWebSite" << "Kestle Website" << " Click to visit Vendor's WebSite "
                                    << pixels(252, 5220, 3912, 324) << true << false;
        QTest::newRow("lblEmail") << "lblEmail" << "Email: support@kestle.example" << " Click to Send an Email "
                                  << pixels(4140, 5220, 3012, 324) << true << true;
        QTest::newRow("cmdViewReadMe") << "cmdViewReadMe" << "View Read Me" << " View Read Me using WordPad "
                                       << pixels(3846, 5652, 1560, 384) << false << false;
        QTest::newRow("cmdOK") << "cmdOK" << "OK" << " Exit " << pixels(5592, 5652, 1560, 384) << false << false;
    }

    void captionsAndPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(QRect, rect);
        QFETCH(bool, darkBlue);
        QFETCH(bool, rightAligned);
        About a;
        AboutBox about(a.state);
        about.show();
        QCOMPARE(about.windowTitle(), QStringLiteral("About - Varnholt ScreenSaver"));
        QCOMPARE(about.size(), QSize(494, 414)); // 7416 x 6204 twips

        auto* widget = about.findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), rect);
        QCOMPARE(widget->toolTip(), toolTip);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(label->text(), text);
            QCOMPARE(label->palette().color(QPalette::WindowText) == QColor(0, 0, 0xC0), darkBlue);
            QCOMPARE(label->font().bold(), darkBlue);
            QCOMPARE(bool(label->alignment() & Qt::AlignRight), rightAligned);
        } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QCOMPARE(button->text(), text);
        }
    }

    void logoIsStretchedAndLinksShowAHand()
    {
        About a;
        AboutBox about(a.state);
        about.show();
        QVERIFY(about.imgLogo->hasScaledContents());
        QCOMPARE(about.imgLogo->pixmap().size(), QSize(222, 102));
        QCOMPARE(about.lblWebSite->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(about.lblEmail->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(about.lblTitle->cursor().shape(), Qt::ArrowCursor);
    }

    void yearFollowsTheClockAtEveryOpening()
    {
        About a;
        a.fakes.clock.date = ymd(2031, 12, 31);
        AboutBox about(a.state);
        about.show();
        QCOMPARE(about.lblDate->text(), QStringLiteral("Copyright 2031"));
        about.hide();
        a.fakes.clock.date = ymd(2032, 1, 1);
        about.show();
        QCOMPARE(about.lblDate->text(), QStringLiteral("Copyright 2032"));
    }

    void enterAndEscapeClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(QDialog::Accepted);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }

    void enterAndEscapeClose()
    {
        QFETCH(int, key);
        QFETCH(int, result);
        About a;
        AboutBox about(a.state);
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QVERIFY(about.cmdOK->isDefault());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTRY_VERIFY(!about.isVisible());
        QCOMPARE(about.result(), result);
        QVERIFY(a.fakes.platform.opened.empty());
    }

    void linksAndReadMe_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("desktopPath");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("staysOpen");
        QTest::newRow("web site") << "lblWebSite" << "/opt/k" << "https://kestle.example/" << false;
        QTest::newRow("e-mail") << "lblEmail" << "/opt/k" << "mailto:support@kestle.example" << false;
        QTest::newRow("read-me") << "cmdViewReadMe" << "/home/u/Varnholt" << "/home/u/Varnholt/ReadMe.rtf" << true;
        QTest::newRow("read-me, trailing slash") << "cmdViewReadMe" << "/home/u/" << "/home/u//ReadMe.rtf" << true;
        QTest::newRow("read-me, odd folder") << "cmdViewReadMe" << "/home/u/my \"saver\"; files"
                                             << "/home/u/my \"saver\"; files/ReadMe.rtf" << true;
    }

    void linksAndReadMe()
    {
        QFETCH(QString, control);
        QFETCH(QString, desktopPath);
        QFETCH(QString, target);
        QFETCH(bool, staysOpen);
        About a;
        a.state.desktopPath = desktopPath.toStdString();
        AboutBox about(a.state);
        about.show();
        QTest::mouseClick(about.findChild<QWidget*>(control), Qt::LeftButton);
        QCOMPARE(a.fakes.platform.opened, std::vector<std::string>{target.toStdString()});
        QCOMPARE(about.isVisible(), staysOpen);
    }

    void readMeWithoutDesktopPathIsTheShippedOne()
    {
        About a;
        AboutBox about(a.state);
        about.show();
        QTest::mouseClick(about.cmdViewReadMe, Qt::LeftButton);
        QCOMPARE(a.fakes.platform.opened.size(), std::size_t(1));
        const QString path = QString::fromStdString(a.fakes.platform.opened.front());
        QVERIFY2(path.endsWith(QLatin1String("/ReadMe.rtf")) && QFile::exists(path), qPrintable(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("{\\rtf1"));
    }

    void aClickThatLeavesTheLinkDoesNothing()
    {
        About a;
        AboutBox about(a.state);
        about.show();
        QTest::mousePress(about.lblWebSite, Qt::LeftButton);
        QTest::mouseRelease(about.lblWebSite, Qt::LeftButton, {}, QPoint(-5, -5));
        QVERIFY(a.fakes.platform.opened.empty());
        QVERIFY(about.isVisible());
    }
};

QTEST_MAIN(FrmAboutTest)
#include "about_box_test.moc"
