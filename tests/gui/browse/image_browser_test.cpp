// SPDX-License-Identifier: MIT
#include "gui/browse/image_browser.h"

#include "core/forms/image_browser_layout.h"
#include "core/settings/settings_io.h"
#include "gui/widgets/palette.h"
#include "support/picture_folder.h"
#include "support/widget_harness.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <fstream>
#include <map>

using namespace varnholt;
using namespace varnholt::test;

namespace {

// What the window system sends: a click, the second press as a double click, its release.
void doubleClick(QWidget* widget, QPoint at = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

struct Browse : WindowHarness {
    PictureFolder pictures;
    PictureChoice start = loadSettings(fakes.store, fakes.clock, fakes.platform.pathStyle()).settings.picture;
    PreviewSize previewSize;

    void storeFolder(const QString& folder, const std::string& name)
    {
        start.ImagePath = (folder + QLatin1Char('/')).toStdString();
        start.ImageName = name;
    }
    ImageBrowser& open()
    {
        window = std::make_unique<ImageBrowser>(start, previewSize, fakes.platform, fakes.log);
        auto& browser = static_cast<ImageBrowser&>(*window);
        browser.show();
        if (!QTest::qWaitForWindowExposed(&browser))
            qFatal("the browser was not shown");
        return browser;
    }
    // Over the folder of generated pictures, none of them chosen yet.
    ImageBrowser& openInPictures()
    {
        pictures.pictures();
        storeFolder(pictures.path(), "");
        return open();
    }
    QListWidget* files() const { return find<QListWidget>("flbFiles"); }
    QTreeWidget* folders() const { return find<QTreeWidget>("dirImages"); }

    void showTab(int index) const
    {
        auto* tabs = find<QTabBar>("tbsImages");
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    }
    QPoint fileAt(const QString& name) const
    {
        const QList<QListWidgetItem*> found = files()->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (found.isEmpty())
            qFatal("no file %s", qPrintable(name));
        files()->scrollToItem(found.first());
        return files()->visualItemRect(found.first()).center();
    }
    void clickFile(const QString& name) const
    {
        showTab(1);
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, {}, fileAt(name));
    }
    // By a double click, or by Return on the selected folder as a keyboard user does.
    void openFolder(const QString& name, bool byKey = false) const
    {
        const auto found = folders()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        if (found.isEmpty())
            qFatal("no folder %s", qPrintable(name));
        folders()->scrollToItem(found.last());
        if (byKey) {
            folders()->setCurrentItem(found.last());
            QTest::keyClick(folders(), Qt::Key_Return);
        } else {
            doubleClick(folders()->viewport(), folders()->visualItemRect(found.last()).center());
        }
    }
    // The size buttons, one digit each: 0 smaller, 1 actual size, 2 larger.
    void press(const QString& buttons) const
    {
        for (const QChar button : buttons) {
            const QByteArray name = QByteArrayLiteral("cmdSize") + char(button.unicode());
            QTest::mouseClick(find(name.constData()), Qt::LeftButton);
        }
    }
    std::vector<RecordedMessage>& messages() { return fakes.platform.messages; }
};

bool emphasised(const QWidget* control)
{
    return control->font().bold() && control->palette().color(QPalette::WindowText) == DarkBlue;
}

} // namespace

class ImageBrowserTest : public QObject {
    Q_OBJECT

private slots:
    // Each control reaches its controller event, and the window shows what the controller says.
    void wiring()
    {
        Browse b;
        b.start.ImageStyle = 1;
        b.start.ImageIndex = 12; // names no picture: nothing is highlighted
        ImageBrowser& browser = b.openInPictures();
        QCOMPARE(browser.windowTitle(), QStringLiteral("Browse for Images - Varnholt ScreenSaver"));
        QCOMPARE(browser.size(), QSize(602, 416));
        QCOMPARE(layoutMistakes(browser, imageBrowserLayout()), QString());
        QCOMPARE(b.find<QTabBar>("tbsImages")->geometry().topLeft(), QPoint(7, 5));
        // cmdTakeFocus lies behind the strip: whatever is drawn at its centre is not the button.
        auto* takeFocus = b.find("cmdTakeFocus");
        QVERIFY(browser.childAt(takeFocus->geometry().center()) != takeFocus);
        QVERIFY(takeFocus->isVisible());
        QCOMPARE(b.text("lblPhotos5"), QStringLiteral("Mountains"));
        QVERIFY(b.find<QRadioButton>("optImageStyle1")->isChecked());
        QVERIFY(b.find("fraImages1")->isVisible());

        QTest::mouseClick(b.find("imgPhotos5"), Qt::LeftButton);
        QVERIFY(emphasised(b.find("lblPhotos5")));
        QTest::mouseClick(b.find("lblPhotos7"), Qt::LeftButton);
        QVERIFY(emphasised(b.find("lblPhotos7")));
        QVERIFY(!b.find("lblPhotos5")->font().bold());
        b.click(QStringLiteral("optImageStyle0"));
        QCOMPARE(b.find<QTabBar>("tbsImages")->currentIndex(), 0);
        QVERIFY(b.find("fraImages0")->isVisible() && !b.find("fraImages1")->isVisible());

        b.clickFile(QStringLiteral("wide.jpg"));
        QCOMPARE(b.text("txtCurImage"), QStringLiteral("wide.jpg"));
        b.press(QStringLiteral("2"));
        QCOMPARE(browser.focusWidget(), takeFocus);
        QCOMPARE(b.text("lblSize"), QStringLiteral("Increase 2 times"));
        QCOMPARE(b.text("lblScrollSize"), QStringLiteral("600 x 400"));
        auto* drives = b.find<QComboBox>("drvImages");
        // A volume unmounted after the list was made.
        drives->addItem(QStringLiteral("/no-such-volume"), QByteArray("/no-such-volume"));
        drives->setCurrentIndex(drives->count() - 1);
        QCOMPARE(b.messages().size(), std::size_t(1));
        QVERIFY(b.messages()[0].text.starts_with("This folder cannot be opened:\r\n/no-such-volume"));
        QCOMPARE(drives->currentText(), QStringLiteral("/"));

        b.openFolder(QStringLiteral("sub"), true);
        QCOMPARE(b.folders()->currentItem()->text(0), QStringLiteral("sub"));
        QCOMPARE(b.files()->count(), 0);
        QCOMPARE(b.text("lblPreview"), QStringLiteral("Preview"));
        QVERIFY(b.find<QLabel>("imgPreview")->pixmap().isNull());
        b.openFolder(QDir(b.pictures.path()).dirName());
        b.showTab(1);
        doubleClick(b.files()->viewport(), b.fileAt(QStringLiteral("tall.bmp")));
        QVERIFY(!browser.isVisible());
        QCOMPARE(browser.result(), int(QDialog::Accepted));
        QCOMPARE(browser.choice().ImageName, std::string("tall.bmp"));
        QCOMPARE(browser.choice().ImageStyle, std::int16_t(1));
        QCOMPARE(browser.choice().ImageIndex, std::int16_t(7));
        QCOMPARE(browser.previewSize().width, std::int16_t(200));

        b.previewSize = browser.previewSize();
        b.start.ImageStyle = 0;
        for (const char* ending : {"cmdCancel", "Escape", "cmdOK"}) {
            ImageBrowser& again = b.open();
            b.press(QStringLiteral("1")); // on the size the last opening previewed
            QCOMPARE(b.text("lblScrollSize"), QStringLiteral("200 x 250"));
            if (ending == std::string("Escape"))
                QTest::keyClick(b.window.get(), Qt::Key_Escape);
            else
                b.click(QString::fromLatin1(ending));
            QVERIFY(!again.isVisible());
            QCOMPARE(again.result(), int(ending == std::string("cmdOK") ? QDialog::Accepted : QDialog::Rejected));
        }
    }

    void previewOfEachFormat_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("caption"); // ends in the natural size
        QTest::addColumn<QSize>("shown");
        QTest::newRow("JPEG") << "wide.jpg"
                              << "Preview - (Reduced) - Actual Size 300 x 200" << QSize(243, 169);
        QTest::newRow("BMP that fits") << "tall.bmp"
                                       << "Preview - Actual Size 200 x 250" << QSize(200, 250);
        QTest::newRow("GIF") << "big.gif"
                             << "Preview - (Reduced) - Actual Size 500 x 300" << QSize(243, 152);
        QTest::newRow("upper-case name") << "PHOTO.JPG"
                                         << "Preview - Actual Size 40 x 40" << QSize(40, 40);
        QTest::newRow("PNG inside") << "png inside.jpeg"
                                    << "Preview - (Reduced) - Actual Size 300 x 300" << QSize(249, 239);
        QTest::newRow("blanks, quotes, non-ASCII") << QString::fromUtf8("\u00c6r\u00f8 \"quoted\" name.jpg")
                                                   << "Preview - Actual Size 120 x 90" << QSize(120, 90);
    }

    void previewOfEachFormat()
    {
        QFETCH(QString, file);
        QFETCH(QString, caption);
        QFETCH(QSize, shown);
        Browse b;
        b.start.ImageSize = 3;
        b.openInPictures();
        b.clickFile(file);
        QCOMPARE(b.text("lblPreview"), caption);
        auto* preview = b.find<QLabel>("imgPreview");
        QCOMPARE(preview->size(), shown);
        QCOMPARE(preview->hasScaledContents(), caption.contains(QLatin1String("(Reduced)")));
        QVERIFY(!preview->pixmap().isNull());
        QCOMPARE(b.text("txtCurImage"), file);
        b.click(QStringLiteral("cmdOK"));
        const PictureChoice& chosen = static_cast<ImageBrowser&>(*b.window).choice();
        QCOMPARE(QString::fromStdString(chosen.ImageName), file);
        QCOMPARE(QString::fromStdString(chosen.ImagePath), b.pictures.path() + QLatin1Char('/'));
        QCOMPARE(chosen.ImageDrive, b.find<QComboBox>("drvImages")->currentText().toStdString());
        QCOMPARE(chosen.ImageSize, std::int16_t(1));
        QVERIFY(b.messages().empty());
    }

    // Names are the bytes of the file system: shown with U+FFFD, stored and found again as they are.
    void namesThatAreNoUtf8()
    {
        Browse b;
        const std::string folder = b.pictures.path().toStdString() + '/';
        std::ofstream(folder + "na\xefve.jpg", std::ios::binary) << encoded(picture(30, 20), "JPG").toStdString();
        std::ofstream(folder + "two\nlines.jpg", std::ios::binary) << encoded(picture(30, 20), "JPG").toStdString();
        b.openInPictures();
        b.clickFile(QStringLiteral("two\uFFFDlines.jpg"));
        QCOMPARE(b.messages().size(), std::size_t(1));
        QVERIFY2(b.messages()[0].text.starts_with("This picture cannot be shown:\r\ntwo\uFFFDlines.jpg\r\n\r\n"
                                                  "Error Number: 481"),
                 b.messages()[0].text.c_str());
        QCOMPARE(b.text("txtCurImage"), QStringLiteral("No Image"));

        b.clickFile(QStringLiteral("na\uFFFDve.jpg"));
        QCOMPARE(b.text("txtCurImage"), QStringLiteral("na\uFFFDve.jpg"));
        b.click(QStringLiteral("cmdOK"));
        b.start = static_cast<ImageBrowser&>(*b.window).choice();
        QCOMPARE(b.start.ImageName, std::string("na\xefve.jpg"));
        b.open();
        QCOMPARE(b.text("lblPreview"), QStringLiteral("Preview - Actual Size 30 x 20"));
        QCOMPARE(b.files()->currentItem()->text(), QStringLiteral("na\uFFFDve.jpg"));
        QCOMPARE(b.messages().size(), std::size_t(1));
    }

    // From the first control round the whole chain and back, each page shown by the keyboard.
    void keyboardTabChain_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("chain");
        QTest::newRow("Base Images") << 0 << "tbsImages fraImages0 optImageStyle0 cmdOK cmdCancel";
        QTest::newRow("File Images") << 1
                                     << "tbsImages dirImages flbFiles drvImages txtCurImage cmdSize0 cmdSize1 "
                                        "cmdSize2 optImageStyle0 cmdOK cmdCancel";
    }

    void keyboardTabChain()
    {
        QFETCH(int, page);
        QFETCH(QString, chain);
        Browse b;
        ImageBrowser& browser = b.openInPictures();
        QVERIFY(QTest::qWaitForWindowActive(&browser));
        QCOMPARE(QApplication::focusWidget(), b.find("tbsImages"));
        if (page == 1)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QVERIFY(b.find(page == 0 ? "fraImages0" : "fraImages1")->isVisible());
        const QStringList names = chain.split(u' ');
        const auto walk = [&](Qt::KeyboardModifiers modifiers) {
            QStringList visited;
            for (QWidget* focus = QApplication::focusWidget();; focus = QApplication::focusWidget()) {
                QVERIFY2(focus && focus->isVisible(), qPrintable(visited.join(u' ')));
                visited << focus->objectName();
                if (visited.size() > names.size())
                    break;
                QTest::keyClick(focus, Qt::Key_Tab, modifiers);
            }
            QStringList expected = names;
            if (modifiers != Qt::NoModifier)
                std::reverse(expected.begin() + 1, expected.end());
            QCOMPARE(visited, expected << names.first());
        };
        walk(Qt::NoModifier);
        walk(Qt::ShiftModifier);
    }

    // Arrows move the highlight through the nine pictures as they stand; Space or Return chooses and closes.
    void pictureListByKeys_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("chosen");
        QTest::newRow("arrows, Return") << 1 << "Right Down Down Left Up Return" << 4;
        QTest::newRow("edges hold, Space") << 1 << "Left Up Right Right Right Down Down Down Space" << 7;
        QTest::newRow("none highlighted") << 12 << "Up Return" << 1;
    }

    void pictureListByKeys()
    {
        QFETCH(int, start);
        QFETCH(QString, keys);
        QFETCH(int, chosen);
        const std::map<QString, Qt::Key> named{
            {QStringLiteral("Left"), Qt::Key_Left},   {QStringLiteral("Right"), Qt::Key_Right},
            {QStringLiteral("Up"), Qt::Key_Up},       {QStringLiteral("Down"), Qt::Key_Down},
            {QStringLiteral("Space"), Qt::Key_Space}, {QStringLiteral("Return"), Qt::Key_Return}};
        Browse b;
        b.start.ImageStyle = 1;
        b.start.ImageIndex = std::int16_t(start);
        ImageBrowser& browser = b.openInPictures();
        QVERIFY(QTest::qWaitForWindowActive(&browser));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), b.find("fraImages0"));
        for (const QString& key : keys.split(u' '))
            QTest::keyClick(QApplication::focusWidget(), named.at(key));
        QVERIFY(!browser.isVisible());
        QCOMPARE(browser.result(), int(QDialog::Accepted));
        const PictureChoice& choice = browser.choice();
        QCOMPARE(choice.ImageStyle, std::int16_t(0));
        QCOMPARE(choice.ImageIndex, std::int16_t(chosen));
        const QByteArray label = "lblPhotos" + QByteArray::number(chosen);
        QCOMPARE(QString::fromStdString(choice.ImageTag), b.text(label.constData()));
        QVERIFY(emphasised(b.find(label.constData())));
    }

    void unreadableFilesGiveAMessage_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("reason");
        const QByteArray jpeg = encoded(picture(300, 200), "JPG");
        QTest::newRow("text named .jpg") << "text.jpg" << QByteArray("just some words\n") << "Invalid picture";
        QTest::newRow("truncated JPEG") << "cut.jpg" << jpeg.left(jpeg.size() / 2) << "incomplete";
        QTest::newRow("PNG claiming 30000 x 30000") << "huge.jpg" << hugePng() << "too large";
    }

    void unreadableFilesGiveAMessage()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, data);
        QFETCH(QString, reason);
        Browse b;
        b.pictures.write(file, data);
        ImageBrowser& browser = b.openInPictures();
        b.clickFile(QStringLiteral("wide.jpg"));
        b.clickFile(file);
        QCOMPARE(b.messages().size(), std::size_t(1));
        const std::string& text = b.messages()[0].text;
        const std::string start = "This picture cannot be shown:\r\n" + file.toStdString()
            + "\r\n\r\nError Number: 481";
        QVERIFY2(text.starts_with(start), text.c_str());
        QVERIFY2(text.find(reason.toStdString()) != std::string::npos, text.c_str());
        QCOMPARE(b.text("txtCurImage"), QStringLiteral("No Image"));
        QCOMPARE(b.text("lblPreview"), QStringLiteral("Preview"));
        b.clickFile(QStringLiteral("tall.bmp"));
        QCOMPARE(b.text("txtCurImage"), QStringLiteral("tall.bmp"));
        QVERIFY(browser.isVisible());
    }
};

QTEST_MAIN(ImageBrowserTest)
#include "image_browser_test.moc"
