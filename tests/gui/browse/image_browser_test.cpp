#include "gui/browse/image_browser.h"

#include "support/fakes.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtEndian>
#include <QtTest>

#include <memory>

using namespace varnholt;
using namespace varnholt::test;

namespace {

QImage picture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QLinearGradient(0, 0, width, height));
    painter.fillRect(QRect(width / 4, height / 4, width / 2, height / 2), Qt::darkCyan);
    return image;
}

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return data;
}

// Qt writes no GIF: 3-bit codes, with a clear code before every second pixel so the width never grows.
QByteArray gif(int width, int height)
{
    QByteArray data("GIF89a");
    const auto word = [&data](int value) { data.append(char(value & 0xFF)).append(char(value >> 8)); };
    word(width);
    word(height);
    data.append(char(0x80)).append(2, '\0').append(QByteArray::fromHex("000000ffffff")).append(char(0x2C));
    word(0);
    word(0);
    word(width);
    word(height);
    data.append('\0').append(char(2));
    QByteArray codes;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](quint32 code) {
        bits |= code << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8)
            codes.append(char(bits & 0xFF));
    };
    for (int i = 0; i < width * height; ++i) {
        if (i % 2 == 0)
            put(4);
        put(quint32((i / width / 8 + i % width / 8) % 2));
    }
    put(5);
    codes.append(char(bits & 0xFF));
    for (qsizetype at = 0; at < codes.size(); at += 255)
        data.append(char(qMin<qsizetype>(255, codes.size() - at))).append(codes.mid(at, 255));
    return data.append('\0').append(char(0x3B));
}

quint32 crc32(const QByteArray& data)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A one-pixel PNG whose header claims 30000 x 30000.
QByteArray hugePng()
{
    QByteArray png = encoded(picture(1, 1), "PNG");
    qToBigEndian<quint32>(30000, png.data() + 16);
    qToBigEndian<quint32>(30000, png.data() + 20);
    qToBigEndian<quint32>(crc32(png.mid(12, 17)), png.data() + 29);
    return png;
}

struct Folder {
    QTemporaryDir dir;

    QString path(const QString& name = {}) const { return name.isEmpty() ? dir.path() : dir.filePath(name); }
    void write(const QString& name, const QByteArray& data) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(data), data.size());
    }
    void pictures() const
    {
        write(QStringLiteral("wide.jpg"), encoded(picture(300, 200), "JPG"));
        write(QStringLiteral("tall.bmp"), encoded(picture(200, 250), "BMP"));
        write(QStringLiteral("big.gif"), gif(500, 300));
        write(QStringLiteral("PHOTO.JPG"), encoded(picture(40, 40), "JPG"));
        write(QStringLiteral("png inside.jpeg"), encoded(picture(300, 300), "PNG"));
        write(QString::fromUtf8("\u00c6r\u00f8 \"quoted\" name.jpg"), encoded(picture(120, 90), "JPG"));
        write(QStringLiteral("not listed.png"), encoded(picture(10, 10), "PNG"));
        QVERIFY(QDir(path()).mkdir(QStringLiteral("sub")));
    }
};

// What the window system sends: a click, the second press as a double click, its release.
void doubleClick(QWidget* widget, QPoint at = {})
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

struct Browse {
    FakeServices fakes;
    ProgramState state{Services{fakes.store, fakes.clock, fakes.dates, fakes.platform}};
    int refreshes = 0;
    std::unique_ptr<ImageBrowser> browser;

    void storeFolder(const QString& folder, const std::string& name)
    {
        state.imageSelection.ImagePath = (folder + QLatin1Char('/')).toStdString();
        state.imageSelection.ImageName = name;
    }
    ImageBrowser& open()
    {
        browser = std::make_unique<ImageBrowser>(state, [this] { ++refreshes; });
        browser->show();
        if (!QTest::qWaitForWindowExposed(browser.get()))
            qFatal("the browser was not shown");
        return *browser;
    }
    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* found = browser->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString text(const char* name) const { return control<QLabel>(name)->text(); }
    QListWidget* files() const { return control<QListWidget>("flbFiles"); }
    QTreeWidget* folders() const { return control<QTreeWidget>("dirImages"); }

    void showTab(int index) const
    {
        auto* tabs = control<QTabBar>("tbsImages");
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
    void openFolder(const QString& name) const
    {
        const auto found = folders()->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        if (found.isEmpty())
            qFatal("no folder %s", qPrintable(name));
        folders()->scrollToItem(found.last());
        doubleClick(folders()->viewport(), folders()->visualItemRect(found.last()).center());
    }
    void press(int button) const
    {
        QTest::mouseClick(control<QPushButton>(("cmdSize" + std::to_string(button)).c_str()), Qt::LeftButton);
    }
    QStringList listed() const
    {
        QStringList names;
        for (int row = 0; row < files()->count(); ++row)
            names << files()->item(row)->text();
        return names;
    }
    std::vector<RecordedMessage>& messages() { return fakes.platform.messages; }
};

// Twips at the fakes' 15 twips per pixel.
QRect pixels(int left, int top, int width, int height)
{
    return {qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0)};
}

bool darkBlueBold(const QWidget* control)
{
    return control->font().bold() && control->palette().color(QPalette::WindowText) == QColor(0, 0, 0xC0);
}

} // namespace

class FrmBrowseTest : public QObject {
    Q_OBJECT

private slots:
    void captionsToolTipsAndPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QRect>("rect");
        const QString none;
        const auto row = [](const char* name, const char* text, const char* toolTip, QRect rect) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text)
                                << QString::fromLatin1(toolTip) << rect;
        };
        row("fraImages0", "", "", pixels(144, 432, 8724, 5016));
        row("fraImages1", "", "", pixels(144, 432, 8724, 5016));
        row("imgPhotos1", "", "", pixels(396, 252, 2256, 1128));
        row("imgPhotos6", "", "", pixels(5976, 1788, 2256, 1128));
        row("lblPhotos1", "Logo", "", pixels(396, 1392, 2256, 252));
        row("lblPhotos5", "Mountains", "", pixels(3192, 2952, 2256, 252));
        row("lblPhotos9", "Wedding Cake", "", pixels(5976, 4572, 2256, 252));
        row("lblFolders", "Folders", "", pixels(168, 144, 1812, 252));
        row("dirImages", "", " Double Click to change folder ", pixels(108, 420, 2268, 3744));
        row("lblFiles", "Files (.bmp,.gif,.jpg,.wmf)", "", pixels(2544, 144, 2172, 252));
        row("flbFiles", "", " Click to select or Double Click to choose ", pixels(2484, 420, 2232, 3528));
        row("lblDrives", "Drives:", "", pixels(156, 4248, 504, 192));
        row("drvImages", "", "", pixels(108, 4488, 2244, 288));
        row("lblCurFile", "Image File:", "", pixels(2544, 4248, 792, 192));
        row("txtCurImage", "No Image", "", pixels(2484, 4488, 2220, 288));
        row("lblPreview", "Preview", "", pixels(4944, 144, 3576, 192));
        row("fraPreview", "", "", pixels(4884, 324, 3732, 3792));
        row("lblResize", "ScreenSaver Image Size:", "", pixels(4884, 4140, 2208, 192));
        row("lblScrollSize", "", "", pixels(7092, 4140, 1272, 192));
        row("lblSmaller", "Smaller", "", pixels(5376, 4488, 552, 192));
        row("cmdSize0", "", " Decrease Image Size ", pixels(6024, 4440, 636, 252));
        row("cmdSize1", "", " Use Actual Size ", pixels(6648, 4440, 240, 252));
        row("cmdSize2", "", " Increase Image Size ", pixels(6876, 4440, 636, 252));
        row("lblLarger", "Larger", "", pixels(7596, 4488, 552, 192));
        row("lblSize", "Use Actual Size", "", pixels(5904, 4728, 1716, 192));
        row("lblImageStyleMsg", "Select Image Style:", "", pixels(105, 5730, 2085, 270));
        row("optImageStyle0", "Use Base Image", "", pixels(2250, 5724, 1812, 264));
        row("optImageStyle1", "Use File Image", "", pixels(4110, 5724, 1812, 264));
        row("cmdOK", "OK", " Remember Settings and Exit ", pixels(5988, 5688, 1392, 384));
        row("cmdCancel", "Cancel", " Cancel any changes and Exit ", pixels(7524, 5688, 1392, 384));
        row("cmdTakeFocus", "TakeFocus", "", pixels(3708, 108, 1092, 228));
    }

    void captionsToolTipsAndPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(QRect, rect);
        Browse b;
        b.open();
        QWidget* control = b.control(name.toLatin1().constData());
        QCOMPARE(control->geometry(), rect);
        QCOMPARE(control->toolTip(), toolTip);
        QCOMPARE(qobject_cast<QComboBox*>(control) ? QString() : control->property("text").toString(), text);
    }

    void formLook()
    {
        Browse b;
        ImageBrowser& browser = b.open();
        QCOMPARE(browser.windowTitle(), QStringLiteral("Browse for Images - Varnholt ScreenSaver"));
        auto* tabs = b.control<QTabBar>("tbsImages");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("  Base Images  "));
        QCOMPARE(tabs->tabText(1), QStringLiteral("  File Images  "));
        QCOMPARE(tabs->tabToolTip(0), QStringLiteral(" Select Base Images "));
        QCOMPARE(tabs->tabToolTip(1), QStringLiteral(" Select File Images "));
        QCOMPARE(tabs->geometry().topLeft(), QPoint(7, 5));
        // cmdTakeFocus lies behind the strip: whatever is drawn at its centre is not the button.
        auto* takeFocus = b.control("cmdTakeFocus");
        const QPoint centre = takeFocus->geometry().center();
        QVERIFY(browser.childAt(centre) != takeFocus);
        QVERIFY(takeFocus->isVisible());
        QVERIFY(darkBlueBold(b.control("lblPhotos1")));
        QVERIFY(!b.control("lblPhotos2")->font().bold());
        QVERIFY(darkBlueBold(b.control("lblSize")));
        QVERIFY(darkBlueBold(b.control("optImageStyle1")));
    }

    void previewOfEachFormat_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<bool>("stretched");
        QTest::addColumn<QString>("sizeLine");
        QTest::newRow("JPEG wider than the frame")
            << "wide.jpg" << "Preview - (Reduced) - Actual Size 300 x 200" << QSize(243, 169) << true << "300 x 200";
        QTest::newRow("BMP that fits") << "tall.bmp" << "Preview - Actual Size 200 x 250" << QSize(200, 250) << false
                                       << "200 x 250";
        QTest::newRow("GIF") << "big.gif" << "Preview - (Reduced) - Actual Size 500 x 300" << QSize(243, 152)
                             << true << "500 x 300";
        QTest::newRow("upper-case name") << "PHOTO.JPG" << "Preview - Actual Size 40 x 40" << QSize(40, 40) << false
                                         << "40 x 40";
        QTest::newRow("PNG content, square") << "png inside.jpeg" << "Preview - (Reduced) - Actual Size 300 x 300"
                                             << QSize(249, 239) << true << "300 x 300";
        QTest::newRow("blanks, quotes, non-ASCII")
            << QString::fromUtf8("\u00c6r\u00f8 \"quoted\" name.jpg") << "Preview - Actual Size 120 x 90"
            << QSize(120, 90) << false << "120 x 90";
    }

    void previewOfEachFormat()
    {
        QFETCH(QString, file);
        QFETCH(QString, caption);
        QFETCH(QSize, shown);
        QFETCH(bool, stretched);
        QFETCH(QString, sizeLine);
        Folder folder;
        folder.pictures();
        Browse b;
        b.storeFolder(folder.path(), "");
        b.state.imageSelection.ImageSize = 3;
        b.open();
        b.clickFile(file);
        QCOMPARE(b.text("lblPreview"), caption);
        auto* preview = b.control<QLabel>("imgPreview");
        QCOMPARE(preview->size(), shown);
        QCOMPARE(preview->hasScaledContents(), stretched);
        QVERIFY(!preview->pixmap().isNull());
        QCOMPARE(b.text("lblSize"), QStringLiteral("Use Actual Size"));
        QCOMPARE(b.text("lblScrollSize"), sizeLine);
        QCOMPARE(b.control<QLineEdit>("txtCurImage")->text(), file);
        const PictureChoice& chosen = b.state.imageSelection;
        QCOMPARE(QString::fromStdString(chosen.ImageName), file);
        QCOMPARE(QString::fromStdString(chosen.ImagePath), folder.path() + QLatin1Char('/'));
        QCOMPARE(chosen.ImageDrive, b.control<QComboBox>("drvImages")->currentText().toStdString());
        QCOMPARE(chosen.ImageSize, std::int16_t(1));
        QVERIFY(b.messages().empty());
    }

    void sizeStepsAgainstTheScreen()
    {
        Folder folder;
        folder.pictures();
        Browse b;
        b.storeFolder(folder.path(), "");
        ImageBrowser& browser = b.open();
        const std::int16_t& step = b.state.imageSelection.ImageSize;
        b.clickFile(QStringLiteral("big.gif"));
        b.press(2);
        QCOMPARE(step, std::int16_t(2));
        QCOMPARE(b.text("lblSize"), QStringLiteral("Increase 2 times"));
        QCOMPARE(b.text("lblScrollSize"), QStringLiteral("1000 x 600"));
        QCOMPARE(browser.focusWidget(), b.control("cmdTakeFocus"));
        b.press(2);
        QCOMPARE(step, std::int16_t(2));
        QCOMPARE(b.messages().size(), std::size_t(1));
        QVERIFY(b.messages()[0].text.starts_with("The Image Size you have selected will be larger than"));
        QCOMPARE(b.messages()[0].icon, MessageIcon::Information);
        QCOMPARE(b.text("lblScrollSize"), QStringLiteral("1000 x 600"));
        b.press(1);
        QCOMPARE(step, std::int16_t(1));
        QCOMPARE(b.text("lblSize"), QStringLiteral("Use Actual Size"));
        QCOMPARE(b.text("lblScrollSize"), QStringLiteral("500 x 300"));

        b.clickFile(QStringLiteral("PHOTO.JPG"));
        b.press(0);
        QCOMPARE(step, std::int16_t(-2));
        QCOMPARE(b.text("lblSize"), QStringLiteral("Decrease 2 times"));
        QCOMPARE(b.text("lblScrollSize"), QStringLiteral("20 x 20"));
        b.press(0);
        QCOMPARE(step, std::int16_t(-2));
        QCOMPARE(b.messages().size(), std::size_t(2));
        QVERIFY(b.messages()[1].text.starts_with("The Image Size you have selected will be too small."));
        QCOMPARE(b.text("lblScrollSize"), QStringLiteral("20 x 20"));
    }

    void sizeButtonsWorkOnTheLastPreviewedSize()
    {
        Browse b;
        b.state.settings.picture.ImageSize = 1;
        b.state.imageSelection = b.state.settings.picture;
        b.open();
        b.showTab(1);
        b.press(0);
        QCOMPARE(b.state.imageSelection.ImageSize, std::int16_t(-1)); // 0 x 0: the first decrease is refused
        QCOMPARE(b.messages().size(), std::size_t(1));
        b.press(2);
        b.press(2);
        QCOMPARE(b.state.imageSelection.ImageSize, std::int16_t(3));
        QCOMPARE(b.text("lblScrollSize"), QStringLiteral("0 x 0"));

        Folder folder;
        folder.pictures();
        b.storeFolder(folder.path(), "");
        b.open();
        b.clickFile(QStringLiteral("PHOTO.JPG"));
        b.control<QPushButton>("cmdCancel")->click();
        b.open(); // a later opening with no file chosen keeps the last natural size
        b.showTab(1);
        b.press(2);
        QCOMPARE(b.text("lblSize"), QStringLiteral("Increase 2 times"));
        QCOMPARE(b.text("lblScrollSize"), QStringLiteral("80 x 80"));
    }

    void sameFileAgainAndAfterAFolderChange()
    {
        Folder folder;
        folder.pictures();
        Browse b;
        b.storeFolder(folder.path(), "");
        b.open();
        PictureChoice& chosen = b.state.imageSelection;
        b.clickFile(QStringLiteral("wide.jpg"));
        b.press(2);
        b.clickFile(QStringLiteral("wide.jpg"));
        QCOMPARE(chosen.ImageSize, std::int16_t(2));
        QCOMPARE(chosen.ImagePath, folder.path().toStdString()); // recorded again, without the "/"
        QCOMPARE(b.text("lblSize"), QStringLiteral("Increase 2 times"));

        b.openFolder(QStringLiteral("sub"));
        QCOMPARE(b.folders()->currentItem()->text(0), QStringLiteral("sub"));
        QVERIFY(b.listed().isEmpty());
        QCOMPARE(chosen.ImageName, std::string());
        QCOMPARE(chosen.ImageSize, std::int16_t(1));
        QCOMPARE(b.control<QLineEdit>("txtCurImage")->text(), QStringLiteral("No Image"));
        QCOMPARE(b.text("lblPreview"), QStringLiteral("Preview"));
        QCOMPARE(b.text("lblScrollSize"), QString());

        b.openFolder(QDir(folder.path()).dirName());
        b.clickFile(QStringLiteral("wide.jpg"));
        QCOMPARE(chosen.ImageName, std::string("wide.jpg"));
        QCOMPARE(chosen.ImageSize, std::int16_t(1));
        QCOMPARE(b.text("lblScrollSize"), QStringLiteral("300 x 200"));
    }

    void folderListShowsTheChainThenTheFoldersInside()
    {
        Folder folder;
        folder.pictures();
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Another")));
        Browse b;
        b.storeFolder(folder.path(), "");
        b.open();
        QStringList entries;
        for (QTreeWidgetItemIterator it(b.folders()); *it; ++it)
            entries << (*it)->text(0);
        QStringList chain{QStringLiteral("/")};
        for (const QString& part : folder.path().split(QLatin1Char('/'), Qt::SkipEmptyParts))
            chain << part;
        QCOMPARE(entries, chain + QStringList({QStringLiteral("Another"), QStringLiteral("sub")}));
        QCOMPARE(b.folders()->currentItem()->text(0), chain.last());
        QCOMPARE(b.listed(), (QStringList{QStringLiteral("big.gif"), QStringLiteral("PHOTO.JPG"),
                                          QStringLiteral("png inside.jpeg"), QStringLiteral("tall.bmp"),
                                          QStringLiteral("wide.jpg"),
                                          QString::fromUtf8("\u00c6r\u00f8 \"quoted\" name.jpg")}));
        auto* drives = b.control<QComboBox>("drvImages");
        QCOMPARE(drives->itemText(0), QStringLiteral("/"));
        QCOMPARE(drives->currentText(), QStringLiteral("/"));
    }

    void pictureClicksAndDoubleClick()
    {
        Browse b;
        b.state.imageSelection.ImageStyle = 1;
        b.state.imageSelection.ImageName = "kept.jpg";
        b.state.imageSelection.ImageIndex = 12; // names no picture: nothing is highlighted
        ImageBrowser& browser = b.open();
        PictureChoice& chosen = b.state.imageSelection;
        QVERIFY(!b.control("lblPhotos1")->font().bold());
        QTest::mouseClick(b.control("imgPhotos5"), Qt::LeftButton);
        QCOMPARE(chosen.ImageIndex, std::int16_t(5));
        QCOMPARE(chosen.ImageTag, std::string("Mountains"));
        QVERIFY(darkBlueBold(b.control("lblPhotos5")));
        QVERIFY(!b.control("lblPhotos1")->font().bold());
        QTest::mouseClick(b.control("lblPhotos7"), Qt::LeftButton);
        QCOMPARE(chosen.ImageTag, std::string("Sunset"));
        QVERIFY(!b.control("lblPhotos5")->font().bold());
        QCOMPARE(chosen.ImageStyle, std::int16_t(1));
        QVERIFY(browser.isVisible());
        QCOMPARE(b.refreshes, 0);

        doubleClick(b.control("lblPhotos3"));
        QCOMPARE(chosen.ImageIndex, std::int16_t(3));
        QCOMPARE(chosen.ImageStyle, std::int16_t(0));
        QVERIFY(!browser.isVisible());
        QCOMPARE(browser.result(), int(QDialog::Accepted));
        QCOMPARE(b.refreshes, 1);
    }

    void fileDoubleClickChoosesAndCloses()
    {
        Folder folder;
        folder.pictures();
        Browse b;
        b.storeFolder(folder.path(), "");
        ImageBrowser& browser = b.open();
        b.showTab(1);
        doubleClick(b.files()->viewport(), b.fileAt(QStringLiteral("tall.bmp")));
        QVERIFY(!browser.isVisible());
        QCOMPARE(browser.result(), int(QDialog::Accepted));
        QCOMPARE(b.state.imageSelection.ImageStyle, std::int16_t(1));
        QCOMPARE(b.state.imageSelection.ImageName, std::string("tall.bmp"));
        // The double click is a second click on the chosen file: the folder is recorded again, without "/".
        QCOMPARE(b.state.imageSelection.ImagePath, folder.path().toStdString());
        QCOMPARE(b.refreshes, 1);
    }

    void tabsFollowTheStyleButNotTheOtherWay()
    {
        Browse b;
        b.state.imageSelection.ImageStyle = 1;
        b.open();
        auto* tabs = b.control<QTabBar>("tbsImages");
        QCOMPARE(tabs->currentIndex(), 1);
        QVERIFY(b.control<QRadioButton>("optImageStyle1")->isChecked());
        QVERIFY(b.control("fraImages1")->isVisible());
        b.control<QRadioButton>("optImageStyle0")->click();
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(b.control("fraImages0")->isVisible());
        b.showTab(1);
        QCOMPARE(b.state.imageSelection.ImageStyle, std::int16_t(0));
        QVERIFY(b.control("fraImages1")->isVisible());
        QVERIFY(!b.control("fraImages0")->isVisible());
        b.showTab(0);
        b.control<QRadioButton>("optImageStyle1")->click();
        QCOMPARE(b.state.imageSelection.ImageStyle, std::int16_t(1));
        QCOMPARE(tabs->currentIndex(), 1);
    }

    void okRefusesFileImageWithoutFile()
    {
        Browse b;
        ImageBrowser& browser = b.open();
        b.control<QRadioButton>("optImageStyle1")->click();
        b.control<QPushButton>("cmdOK")->click();
        QVERIFY(browser.isVisible());
        QCOMPARE(b.refreshes, 0);
        QCOMPARE(b.messages().size(), std::size_t(1));
        QCOMPARE(b.messages()[0].text, std::string("Using a File Image without selecting an Image is not allowed.     "
                                                   "     \r\n\r\nPlease select a File Image or change to using a "
                                                   "Base Image.          \r\n\r\n"));
        QCOMPARE(b.messages()[0].icon, MessageIcon::Critical);
        b.control<QRadioButton>("optImageStyle0")->click();
        b.control<QPushButton>("cmdOK")->click();
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
        QTest::mouseClick(b.control("imgPhotos4"), Qt::LeftButton);
        b.control<QPushButton>("cmdOK")->click();
        QCOMPARE(b.state.imageSelection.ImageTag, std::string("Hammock"));

        ImageBrowser& again = b.open();
        QVERIFY(darkBlueBold(b.control("lblPhotos4")));
        QTest::mouseClick(b.control("imgPhotos8"), Qt::LeftButton);
        b.control<QPushButton>("cmdCancel")->click();
        QCOMPARE(b.state.imageSelection, b.state.settings.picture);
        QCOMPARE(again.result(), int(QDialog::Rejected));
        QCOMPARE(b.refreshes, 2);

        b.open();
        QTest::mouseClick(b.control("imgPhotos9"), Qt::LeftButton);
        QTest::keyClick(b.browser.get(), Qt::Key_Escape);
        QCOMPARE(b.state.imageSelection.ImageIndex, std::int16_t(2));
        QCOMPARE(b.refreshes, 3);
    }

    void startUpFromTheStoredChoice_data()
    {
        QTest::addColumn<QString>("folder"); // under the pictures' folder
        QTest::addColumn<QString>("drive");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("sizeWords");
        QTest::addColumn<QString>("sizeLine");
        QTest::addColumn<QString>("nameAfter");
        QTest::addColumn<int>("stepAfter");
        QTest::addColumn<QString>("message");
        QTest::newRow("stored file") << "" << "/" << "big.gif" << -2 << "Preview - (Reduced) - Actual Size 500 x 300"
                                     << "big.gif" << "Decrease 2 times" << "250 x 150" << "big.gif" << -2 << "";
        QTest::newRow("name absent from its folder") << "" << "/" << "missing.jpg" << 2 << "Preview" << "No Image"
                                                     << "Use Actual Size" << "" << "missing.jpg" << 2 << "";
        QTest::newRow("folder gone") << "gone" << "/" << "wide.jpg" << 3 << "Preview" << "No Image"
                                     << "Use Actual Size" << "" << "" << 1 << "";
        QTest::newRow("drive not mounted") << "" << "/media/not-mounted" << "wide.jpg" << 3 << "Preview"
                                           << "No Image" << "Use Actual Size" << "" << "" << 1 << "";
        QTest::newRow("file no longer loads") << "" << "/" << "text.jpg" << 1 << "Preview" << "No Image" << ""
                                              << "" << "text.jpg" << 1 << "Error Number: 481\r\nInvalid picture";
    }

    void startUpFromTheStoredChoice()
    {
        QFETCH(QString, folder);
        QFETCH(QString, drive);
        QFETCH(QString, name);
        QFETCH(int, step);
        QFETCH(QString, caption);
        QFETCH(QString, current);
        QFETCH(QString, sizeWords);
        QFETCH(QString, sizeLine);
        QFETCH(QString, nameAfter);
        QFETCH(int, stepAfter);
        QFETCH(QString, message);
        Folder pictures;
        pictures.pictures();
        pictures.write(QStringLiteral("text.jpg"), "no picture");
        Browse b;
        b.storeFolder(pictures.path(folder), name.toStdString());
        b.state.imageSelection.ImageDrive = drive.toStdString();
        b.state.imageSelection.ImageSize = std::int16_t(step);
        ImageBrowser& browser = b.open();
        QCOMPARE(b.text("lblPreview"), caption);
        QCOMPARE(b.control<QLineEdit>("txtCurImage")->text(), current);
        QCOMPARE(b.text("lblSize"), sizeWords);
        QCOMPARE(b.text("lblScrollSize"), sizeLine);
        QCOMPARE(QString::fromStdString(b.state.imageSelection.ImageName), nameAfter);
        QCOMPARE(b.state.imageSelection.ImageSize, std::int16_t(stepAfter));
        QCOMPARE(b.messages().size(), std::size_t(message.isEmpty() ? 0 : 1));
        if (!message.isEmpty())
            QCOMPARE(QString::fromStdString(b.messages()[0].text), message);
        const bool moved = folder == QLatin1String("gone") || drive != QLatin1String("/");
        QCOMPARE(b.folders()->currentItem()->text(0), moved ? QStringLiteral("/") : QDir(pictures.path()).dirName());
        b.showTab(1); // Loading is over: a tab click moves the focus
        QCOMPARE(browser.focusWidget(), b.control("cmdTakeFocus"));
    }

    void aDriveThatCannotBeReadKeepsTheChoice()
    {
        Folder folder;
        folder.pictures();
        Browse b;
        b.storeFolder(folder.path(), "");
        b.open();
        b.clickFile(QStringLiteral("wide.jpg"));
        auto* drives = b.control<QComboBox>("drvImages");
        drives->addItem(QStringLiteral("/no-such-volume")); // a volume unmounted after the list was made
        drives->setCurrentIndex(drives->count() - 1);
        QCOMPARE(b.messages().size(), std::size_t(1));
        QCOMPARE(b.messages()[0].text, std::string("This folder cannot be opened:\r\n/no-such-volume\r\n\r\n"
                                                   "Error Number: 76\r\nPath not found"));
        QCOMPARE(drives->currentText(), QStringLiteral("/"));
        QCOMPARE(b.state.imageSelection.ImageName, std::string("wide.jpg"));
    }

    void folderRemovedWhileOpen()
    {
        Folder folder;
        folder.pictures();
        Browse b;
        b.storeFolder(folder.path(), "");
        ImageBrowser& browser = b.open();
        b.showTab(1);
        QVERIFY(QDir(folder.path()).removeRecursively());
        b.clickFile(QStringLiteral("wide.jpg"));
        QCOMPARE(b.messages().size(), std::size_t(1));
        QVERIFY(b.messages()[0].text.find("Error Number: 76") != std::string::npos);
        QCOMPARE(b.state.imageSelection.ImageName, std::string());
        b.openFolder(QStringLiteral("sub"));
        QCOMPARE(b.messages().size(), std::size_t(2));
        QVERIFY(b.messages()[1].text.starts_with("This folder cannot be opened:"));
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
        const QByteArray bmp = encoded(picture(300, 200), "BMP");
        QTest::newRow("text named .jpg") << "text.jpg" << QByteArray("just some words\n") << "Invalid picture";
        QTest::newRow("truncated JPEG") << "cut.jpg" << jpeg.left(jpeg.size() / 2) << "incomplete";
        QTest::newRow("truncated BMP") << "cut.bmp" << bmp.left(bmp.size() - 100) << "incomplete";
        QTest::newRow("truncated GIF") << "cut.gif" << gif(300, 200).left(2000) << "incomplete";
        QTest::newRow("0-byte GIF") << "empty.gif" << QByteArray() << "Invalid picture";
        QTest::newRow("PNG claiming 30000 x 30000") << "huge.jpg" << hugePng() << "too large";
        QTest::newRow("damaged metafile") << "drawing.wmf" << QByteArray::fromHex("d7cdc69a0000") + QByteArray(40, 1)
                                          << "the metafile could not be drawn";
    }

    void unreadableFilesGiveAMessage()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, data);
        QFETCH(QString, reason);
        Folder folder;
        folder.pictures();
        folder.write(file, data);
        Browse b;
        b.storeFolder(folder.path(), "");
        ImageBrowser& browser = b.open();
        b.clickFile(QStringLiteral("wide.jpg"));
        b.clickFile(file);
        QCOMPARE(b.messages().size(), std::size_t(1));
        const std::string& text = b.messages()[0].text;
        const std::string start = "This picture cannot be shown:\r\n" + file.toStdString() + "\r\n\r\nError Number: 481";
        QVERIFY2(text.starts_with(start), text.c_str());
        QVERIFY2(text.find(reason.toStdString()) != std::string::npos, text.c_str());
        QCOMPARE(b.state.imageSelection.ImageName, std::string());
        QCOMPARE(b.control<QLineEdit>("txtCurImage")->text(), QStringLiteral("No Image"));
        QCOMPARE(b.text("lblPreview"), QStringLiteral("Preview"));
        b.clickFile(QStringLiteral("tall.bmp"));
        QCOMPARE(b.state.imageSelection.ImageName, std::string("tall.bmp"));
        QVERIFY(browser.isVisible());
    }

    void aLargeFolderListsQuickly()
    {
        Folder folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("many")));
        for (int i = 0; i < 20000; ++i) {
            QFile file(folder.path(QStringLiteral("many/p%1.jpg").arg(i, 5, 10, QLatin1Char('0'))));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        Browse b;
        b.storeFolder(folder.path(), "");
        b.open();
        b.showTab(1);
        QElapsedTimer timer;
        timer.start();
        b.openFolder(QStringLiteral("many"));
        QCOMPARE(b.files()->count(), 20000);
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(b.files()->item(19999)->text(), QStringLiteral("p19999.jpg"));
    }
};

QTEST_MAIN(FrmBrowseTest)
#include "image_browser_test.moc"
