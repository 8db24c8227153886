// SPDX-License-Identifier: MIT
#include "gui/about/about_box.h"

#include "core/forms/about_box_layout.h"
#include "support/widget_harness.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace varnholt;
using namespace varnholt::test;

namespace {

struct About : WindowHarness {
    About() { state.setDataFolder(qEnvironmentVariable("VARNHOLT_SOURCE_DIR").toStdString() + "/src/resources"); }

    AboutBox& show()
    {
        window = std::make_unique<AboutBox>(fakes.platform, fakes.clock, state.readMe());
        auto& about = static_cast<AboutBox&>(*window);
        about.show();
        return about;
    }
};

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void layoutPicturesAndTexts()
    {
        About a;
        const AboutBox& about = a.show();
        QCOMPARE(about.windowTitle(), QStringLiteral("About - Varnholt ScreenSaver"));
        QCOMPARE(about.size(), QSize(494, 414));
        QCOMPARE(layoutMistakes(about, aboutBoxLayout()), QString());
        QCOMPARE(a.find("lblTitle")->font().pointSize(), 12);
        QCOMPARE(a.find<QLabel>("imgLogo")->pixmap().size(), QSize(222, 102));
        QCOMPARE(a.text("lblCopyRight"), QStringLiteral("Copyright \u00a9 Kestle"));
        // Filled again at every opening, so that the year follows the clock.
        a.fakes.clock.date = ymd(2032, 1, 1);
        a.window->hide();
        a.window->show();
        QCOMPARE(a.text("lblDate"), QStringLiteral("Copyright 2032"));
    }

    void linksAndReadMe_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("desktopPath");
        QTest::addColumn<QPoint>("release"); // from the control's top left; none: its middle
        QTest::addColumn<QString>("target"); // none: nothing opens
        QTest::addColumn<bool>("staysOpen");
        const QString readMe = QStringLiteral("cmdViewReadMe");
        QTest::newRow("OK") << "cmdOK"
                            << "/opt/k" << QPoint() << "" << false;
        QTest::newRow("web site") << "lblWebSite"
                                  << "/opt/k" << QPoint() << "https://kestle.example/" << false;
        QTest::newRow("e-mail") << "lblEmail"
                                << "/opt/k" << QPoint() << "mailto:support@kestle.example" << false;
        QTest::newRow("a press that leaves the link") << "lblWebSite"
                                                      << "/opt/k" << QPoint(-5, -5) << "" << true;
        // The separator is not checked: a desktop path that ends in one gives two.
        QTest::newRow("read-me") << readMe << "/home/u/Varnholt/" << QPoint() << "/home/u/Varnholt//ReadMe.rtf" << true;
        QTest::newRow("read-me, the shipped one")
            << readMe << "" << QPoint()
            << qEnvironmentVariable("VARNHOLT_SOURCE_DIR") + QStringLiteral("/src/resources/ReadMe.rtf") << true;
    }

    void linksAndReadMe()
    {
        QFETCH(QString, control);
        QFETCH(QString, desktopPath);
        QFETCH(QPoint, release);
        QFETCH(QString, target);
        QFETCH(bool, staysOpen);
        About a;
        a.state.setDesktopPath(desktopPath.toStdString());
        AboutBox& about = a.show();
        QWidget* clicked = a.find(control.toLatin1().constData());
        QCOMPARE(clicked->cursor().shape(), control.startsWith(u"cmd") ? Qt::ArrowCursor : Qt::PointingHandCursor);
        QTest::mousePress(clicked, Qt::LeftButton);
        QTest::mouseRelease(clicked, Qt::LeftButton, {}, release.isNull() ? clicked->rect().center() : release);
        std::vector<std::string> opened;
        if (!target.isEmpty())
            opened.push_back(target.toStdString());
        QCOMPARE(a.fakes.platform.opened, opened);
        QCOMPARE(about.isVisible(), staysOpen);
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
