#include "gui/browse/image_browser.h"

#include "core/forms/image_browser_layout.h"
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
    int refreshes = 0;
    PictureFolder pictures;

    void storeFolder(const QString& folder, const std::string& name)
    {
        state.imageSelection.ImagePath = (folder + QLatin1Char('/')).toStdString();
        state.imageSelection.ImageName = name;
    }
    ImageBrowser& open()
    {
        auto& browser = WindowHarness::open<ImageBrowser>([this] { ++refreshes; });
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

class FrmBrowseTest : public QObject {
    Q_OBJECT

private slots:
    void layoutAndPictureClicks()
    {
        Browse b;
        b.state.imageSelection.ImageStyle = 1;
        b.state.imageSelection.ImageName = "kept.jpg";
        b.state.imageSelection.ImageIndex = 12; // names no picture: nothing is highlighted
        ImageBrowser& browser = b.open();
        QCOMPARE(browser.windowTitle(), QStringLiteral("Browse for Images - Varnholt ScreenSaver"));
        QCOMPARE(browser.size(), QSize(602, 416));
        QCOMPARE(layoutMistakes(browser, imageBrowserLayout()), QString());
        QCOMPARE(b.find<QTabBar>("tbsImages")->geometry().topLeft(), QPoint(7, 5));
        // cmdTakeFocus lies behind the strip: whatever is drawn at its centre is not the button.
        auto* takeFocus = b.find("cmdTakeFocus");
        QVERIFY(browser.childAt(takeFocus->geometry().center()) != takeFocus);
        QVERIFY(takeFocus->isVisible());
        QCOMPARE(b.text("lblPhotos5"), QStringLiteral("Mountains"));
        QVERIFY(!b.find("lblPhotos1")->font().bold());

        PictureChoice& chosen = b.state.imageSelection;
        QTest::mouseClick(b.find("imgPhotos5"), Qt::LeftButton);
        QCOMPARE(chosen.ImageIndex, std::int16_t(5));
        QCOMPARE(chosen.ImageTag, std::string("Mountains"));
        QVERIFY(emphasised(b.find("lblPhotos5")));
        QVERIFY(!b.find("lblPhotos1")->font().bold());
        QTest::mouseClick(b.find("lblPhotos7"), Qt::LeftButton);
        QCOMPARE(chosen.ImageTag, std::string("Sunset"));
        QVERIFY(!b.find("lblPhotos5")->font().bold());
        QCOMPARE(chosen.ImageStyle, std::int16_t(1));
        QVERIFY(browser.isVisible());
        QCOMPARE(b.refreshes, 0);
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
        b.state.imageSelection.ImageSize = 3;
        b.openInPictures();
        b.clickFile(file);
        QCOMPARE(b.text("lblPreview"), caption);
        auto* preview = b.find<QLabel>("imgPreview");
        QCOMPARE(preview->size(), shown);
        QCOMPARE(preview->hasScaledContents(), caption.contains(QLatin1String("(Reduced)")));
        QVERIFY(!preview->pixmap().isNull());
        QCOMPARE(b.text("txtCurImage"), file);
        const PictureChoice& chosen = b.state.imageSelection;
        QCOMPARE(QString::fromStdString(chosen.ImageName), file);
        QCOMPARE(QString::fromStdString(chosen.ImagePath), b.pictures.path() + QLatin1Char('/'));
        QCOMPARE(chosen.ImageDrive, b.find<QComboBox>("drvImages")->currentText().toStdString());
        QCOMPARE(chosen.ImageSize, std::int16_t(1));
        QVERIFY(b.messages().empty());
    }

    void sizeStepsAgainstTheScreen_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("presses");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<bool>("reopened"); // cancelled after the file click and opened again, no file chosen
        const QString larger = QStringLiteral("The Image Size you have selected will be larger than");
        const QString smaller = QStringLiteral("The Image Size you have selected will be too small.");
        const auto row = [](const char* name, const char* file, const char* presses, int step, const char* words,
                            const char* line, const QString& refusal, bool reopened) {
            QTest::newRow(name) << QString::fromUtf8(file) << QString::fromUtf8(presses) << step
                                << QString::fromUtf8(words) << QString::fromUtf8(line) << refusal << reopened;
        };
        row("beyond the screen", "big.gif", "22", 2, "Increase 2 times", "1000 x 600", larger, false);
        row("below a pixel", "PHOTO.JPG", "00", -2, "Decrease 2 times", "20 x 20", smaller, false);
        row("the last previewed size, opened again", "PHOTO.JPG", "2", 2, "Increase 2 times", "80 x 80", {}, true);
        row("nothing previewed: 0 x 0", "", "022", 3, "Increase 3 times", "0 x 0", smaller, false);
        row("refused with nothing previewed", "", "0", -1, "Use Actual Size", "", smaller, false);
    }

    void sizeStepsAgainstTheScreen()
    {
        QFETCH(QString, file);
        QFETCH(QString, presses);
        QFETCH(int, step);
        QFETCH(QString, words);
        QFETCH(QString, line);
        QFETCH(QString, refusal);
        QFETCH(bool, reopened);
        Browse b;
        b.state.settings.picture.ImageSize = 1;
        b.state.imageSelection = b.state.settings.picture;
        b.openInPictures();
        b.showTab(1);
        if (!file.isEmpty())
            b.clickFile(file);
        if (reopened) {
            b.click(QStringLiteral("cmdCancel"));
            b.open();
            b.showTab(1);
        }
        b.press(presses);
        QCOMPARE(int(b.state.imageSelection.ImageSize), step);
        QCOMPARE(b.text("lblSize"), words);
        QCOMPARE(b.text("lblScrollSize"), line);
        QCOMPARE(b.messages().size(), std::size_t(refusal.isEmpty() ? 0 : 1));
        if (!refusal.isEmpty()) {
            QVERIFY(QString::fromStdString(b.messages()[0].text).startsWith(refusal));
            QCOMPARE(b.messages()[0].icon, MessageIcon::Information);
        }
        QCOMPARE(b.window->focusWidget(), b.find("cmdTakeFocus"));
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
        QCOMPARE(b.state.imageSelection.ImageName, std::string());

        b.clickFile(QStringLiteral("na\uFFFDve.jpg"));
        QCOMPARE(b.state.imageSelection.ImageName, std::string("na\xefve.jpg"));
        QCOMPARE(b.text("txtCurImage"), QStringLiteral("na\uFFFDve.jpg"));
        b.click(QStringLiteral("cmdOK"));
        b.state.settings.picture = b.state.imageSelection;
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
        b.state.imageSelection.ImageStyle = 1;
        b.state.imageSelection.ImageIndex = std::int16_t(start);
        ImageBrowser& browser = b.openInPictures();
        QVERIFY(QTest::qWaitForWindowActive(&browser));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), b.find("fraImages0"));
        for (const QString& key : keys.split(u' '))
            QTest::keyClick(QApplication::focusWidget(), named.at(key));
        QVERIFY(!browser.isVisible());
        QCOMPARE(browser.result(), int(QDialog::Accepted));
        const PictureChoice& choice = b.state.imageSelection;
        QCOMPARE(choice.ImageStyle, std::int16_t(0));
        QCOMPARE(choice.ImageIndex, std::int16_t(chosen));
        const QByteArray label = "lblPhotos" + QByteArray::number(chosen);
        QCOMPARE(QString::fromStdString(choice.ImageTag), b.text(label.constData()));
        QVERIFY(emphasised(b.find(label.constData())));
    }

    void sameFileAgainAndAfterAFolderChange()
    {
        Browse b;
        b.openInPictures();
        PictureChoice& chosen = b.state.imageSelection;
        b.clickFile(QStringLiteral("wide.jpg"));
        b.press(QStringLiteral("2"));
        b.clickFile(QStringLiteral("wide.jpg"));
        QCOMPARE(chosen.ImageSize, std::int16_t(2));
        QCOMPARE(chosen.ImagePath, b.pictures.path().toStdString()); // recorded again, without the "/"
        QCOMPARE(b.text("lblSize"), QStringLiteral("Increase 2 times"));

        b.openFolder(QStringLiteral("sub"), true);
        QCOMPARE(b.folders()->currentItem()->text(0), QStringLiteral("sub"));
        QCOMPARE(b.files()->count(), 0);
        QCOMPARE(chosen.ImageName, std::string());
        QCOMPARE(chosen.ImageSize, std::int16_t(1));
        QCOMPARE(b.text("txtCurImage"), QStringLiteral("No Image"));
        QCOMPARE(b.text("lblPreview"), QStringLiteral("Preview"));
        QCOMPARE(b.text("lblScrollSize"), QString());

        b.openFolder(QDir(b.pictures.path()).dirName());
        b.clickFile(QStringLiteral("wide.jpg"));
        QCOMPARE(chosen.ImageName, std::string("wide.jpg"));
        QCOMPARE(chosen.ImageSize, std::int16_t(1));
        QCOMPARE(b.text("lblScrollSize"), QStringLiteral("300 x 200"));
    }

    void doubleClickChoosesAndCloses()
    {
        for (const int way : {0, 1, 2}) { // a built-in picture, a file, a file by Return
            const int style = way == 0 ? 0 : 1;
            Browse b;
            b.state.imageSelection.ImageStyle = std::int16_t(1 - style);
            ImageBrowser& browser = b.openInPictures();
            if (way == 0) {
                doubleClick(b.find("lblPhotos3"));
            } else if (way == 1) {
                b.showTab(1);
                doubleClick(b.files()->viewport(), b.fileAt(QStringLiteral("tall.bmp")));
            } else {
                b.clickFile(QStringLiteral("tall.bmp"));
                QTest::keyClick(b.files(), Qt::Key_Return);
            }
            QVERIFY(!browser.isVisible());
            QCOMPARE(browser.result(), int(QDialog::Accepted));
            QCOMPARE(b.refreshes, 1);
            const PictureChoice& chosen = b.state.imageSelection;
            QCOMPARE(chosen.ImageStyle, std::int16_t(style));
            QCOMPARE(chosen.ImageIndex, std::int16_t(style == 0 ? 3 : 1));
            QCOMPARE(chosen.ImageName, std::string(style == 0 ? "" : "tall.bmp"));
            // The double click is a second click on the chosen file: the folder is recorded again, without "/".
            QCOMPARE(chosen.ImagePath, b.pictures.path().toStdString() + (style == 0 ? "/" : ""));
        }
    }

    void tabsFollowTheStyleAndOkWantsAFile()
    {
        Browse b;
        b.state.imageSelection.ImageStyle = 1;
        ImageBrowser& browser = b.open();
        auto* tabs = b.find<QTabBar>("tbsImages");
        QCOMPARE(tabs->currentIndex(), 1);
        QVERIFY(b.find<QRadioButton>("optImageStyle1")->isChecked());
        QVERIFY(b.find("fraImages1")->isVisible());
        b.click(QStringLiteral("optImageStyle0"));
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(b.find("fraImages0")->isVisible());
        b.showTab(1);
        QCOMPARE(b.state.imageSelection.ImageStyle, std::int16_t(0));
        QVERIFY(b.find("fraImages1")->isVisible());
        QVERIFY(!b.find("fraImages0")->isVisible());
        b.showTab(0);
        b.click(QStringLiteral("optImageStyle1"));
        QCOMPARE(b.state.imageSelection.ImageStyle, std::int16_t(1));
        QCOMPARE(tabs->currentIndex(), 1);

        b.click(QStringLiteral("cmdOK"));
        QVERIFY(browser.isVisible());
        QCOMPARE(b.refreshes, 0);
        QCOMPARE(b.messages().size(), std::size_t(1));
        QVERIFY(b.messages()[0].text.starts_with("Using a File Image without selecting an Image is not allowed."));
        QCOMPARE(b.messages()[0].icon, MessageIcon::Critical);
        b.click(QStringLiteral("optImageStyle0 cmdOK"));
        QVERIFY(!browser.isVisible());
        QCOMPARE(b.refreshes, 1);
    }

    void cancelReturnsToTheStoredChoice()
    {
        Browse b;
        b.state.settings.picture.ImageIndex = 2;
        b.state.settings.picture.ImageTag = "Birthday Cake";
        b.state.imageSelection = b.state.settings.picture;
        b.open();
        QTest::mouseClick(b.find("imgPhotos4"), Qt::LeftButton);
        b.click(QStringLiteral("cmdOK"));
        QCOMPARE(b.state.imageSelection.ImageTag, std::string("Hammock"));

        ImageBrowser& again = b.open();
        QVERIFY(emphasised(b.find("lblPhotos4")));
        QTest::mouseClick(b.find("imgPhotos8"), Qt::LeftButton);
        b.click(QStringLiteral("cmdCancel"));
        QCOMPARE(b.state.imageSelection, b.state.settings.picture);
        QCOMPARE(again.result(), int(QDialog::Rejected));
        QCOMPARE(b.refreshes, 2);

        b.open();
        QTest::mouseClick(b.find("imgPhotos9"), Qt::LeftButton);
        QTest::keyClick(b.window.get(), Qt::Key_Escape);
        QCOMPARE(b.state.imageSelection.ImageIndex, std::int16_t(2));
        QCOMPARE(b.refreshes, 3);
    }

    void startUpFromTheStoredChoice_data()
    {
        QTest::addColumn<QString>("folder"); // under the pictures' folder
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("shown"); // preview caption | current file | size words | size line
        QTest::addColumn<QString>("after"); // the name and step then chosen
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const char* folder, const char* drive, const char* file, int step,
                            const char* shown, const char* after, const char* message) {
            QTest::newRow(name) << QString::fromUtf8(folder) << QString::fromUtf8(drive) << QString::fromUtf8(file)
                                << step << QString::fromUtf8(shown) << QString::fromUtf8(after)
                                << QString::fromUtf8(message);
        };
        const char* const nothingShown = "Preview|No Image|Use Actual Size|";
        row("stored file", "", "/", "big.gif", -2,
            "Preview - (Reduced) - Actual Size 500 x 300|big.gif|Decrease 2 times|250 x 150", "big.gif -2", "");
        row("stored PNG", "", "/", "small.png", 1, "Preview - Actual Size 10 x 10|small.png|Use Actual Size|10 x 10",
            "small.png 1", "");
        row("name absent from its folder", "", "/", "missing.jpg", 2, nothingShown, "missing.jpg 2", "");
        row("folder gone", "gone", "/", "wide.jpg", 3, nothingShown, " 1", "");
        row("drive not mounted", "", "/media/not-mounted", "wide.jpg", 3, nothingShown, " 1", "");
        row("file no longer loads", "", "/", "text.jpg", 1, "Preview|No Image||", "text.jpg 1",
            "Error Number: 481\r\nInvalid picture");
    }

    void startUpFromTheStoredChoice()
    {
        QFETCH(QString, folder);
        QFETCH(QString, drive);
        QFETCH(QString, name);
        QFETCH(int, step);
        QFETCH(QString, shown);
        QFETCH(QString, after);
        QFETCH(QString, message);
        Browse b;
        b.pictures.pictures();
        b.pictures.write(QStringLiteral("text.jpg"), "no picture");
        b.storeFolder(b.pictures.path(folder), name.toStdString());
        b.state.imageSelection.ImageDrive = drive.toStdString();
        b.state.imageSelection.ImageSize = std::int16_t(step);
        ImageBrowser& browser = b.open();
        QCOMPARE(QStringList({b.text("lblPreview"), b.text("txtCurImage"), b.text("lblSize"), b.text("lblScrollSize")})
                     .join(u'|'),
                 shown);
        const PictureChoice& chosen = b.state.imageSelection;
        QCOMPARE(QString::fromStdString(chosen.ImageName) + u' ' + QString::number(chosen.ImageSize), after);
        QStringList told;
        for (const RecordedMessage& m : b.messages())
            told << QString::fromStdString(m.text);
        QCOMPARE(told, message.isEmpty() ? QStringList() : QStringList(message));
        const bool moved = folder == QLatin1String("gone") || drive != QLatin1String("/");
        QCOMPARE(b.folders()->currentItem()->text(0), moved ? QStringLiteral("/") : QDir(b.pictures.path()).dirName());
        b.showTab(1); // Loading is over: a tab click moves the focus
        QCOMPARE(browser.focusWidget(), b.find("cmdTakeFocus"));
    }

    void unreadableDriveAndRemovedFolder()
    {
        Browse b;
        ImageBrowser& browser = b.openInPictures();
        b.clickFile(QStringLiteral("wide.jpg"));
        auto* drives = b.find<QComboBox>("drvImages");
        // A volume unmounted after the list was made.
        drives->addItem(QStringLiteral("/no-such-volume"), QByteArray("/no-such-volume"));
        drives->setCurrentIndex(drives->count() - 1);
        QCOMPARE(b.messages().size(), std::size_t(1));
        QCOMPARE(b.messages()[0].text,
                 std::string("This folder cannot be opened:\r\n/no-such-volume\r\n\r\n"
                             "Error Number: 76\r\nPath not found"));
        QCOMPARE(drives->currentText(), QStringLiteral("/"));
        QCOMPARE(b.state.imageSelection.ImageName, std::string("wide.jpg"));

        QVERIFY(QDir(b.pictures.path()).removeRecursively());
        b.clickFile(QStringLiteral("tall.bmp"));
        QCOMPARE(b.messages().size(), std::size_t(2));
        QVERIFY(b.messages()[1].text.find("Error Number: 76") != std::string::npos);
        QCOMPARE(b.state.imageSelection.ImageName, std::string());
        b.openFolder(QStringLiteral("sub"));
        QCOMPARE(b.messages().size(), std::size_t(3));
        QVERIFY(b.messages()[2].text.starts_with("This folder cannot be opened:"));
        b.openFolder(QStringLiteral("/"));
        QCOMPARE(b.folders()->currentItem()->text(0), QStringLiteral("/"));
        QVERIFY(browser.isVisible());
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
        QCOMPARE(b.state.imageSelection.ImageName, std::string());
        QCOMPARE(b.text("txtCurImage"), QStringLiteral("No Image"));
        QCOMPARE(b.text("lblPreview"), QStringLiteral("Preview"));
        b.clickFile(QStringLiteral("tall.bmp"));
        QCOMPARE(b.state.imageSelection.ImageName, std::string("tall.bmp"));
        QVERIFY(browser.isVisible());
    }
};

QTEST_MAIN(FrmBrowseTest)
#include "image_browser_test.moc"
