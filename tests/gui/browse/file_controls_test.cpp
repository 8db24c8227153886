// SPDX-License-Identifier: MIT
#include "gui/browse/file_controls.h"

#include "gui/widgets/desktop_platform.h"
#include "platform/pictures/picture_file.h"
#include "support/picture_folder.h"

#include <QDir>
#include <QtTest>

#include <cstring>
#include <fstream>

using namespace varnholt;
using namespace varnholt::test;

class FileControlsTest : public QObject {
    Q_OBJECT

private slots:
    void folderChainThenFoldersInsideThenPictureFiles()
    {
        PictureFolder folder;
        folder.pictures();
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Another")));
        FolderList folders(nullptr);
        folders.setPath(folder.path().toStdString());
        QStringList entries;
        for (QTreeWidgetItemIterator it(&folders); *it; ++it)
            entries << (*it)->text(0);
        QStringList chain{QStringLiteral("/")};
        for (const QString& part : folder.path().split(QLatin1Char('/'), Qt::SkipEmptyParts))
            chain << part;
        QCOMPARE(entries, chain + QStringList({QStringLiteral("Another"), QStringLiteral("sub")}));
        QCOMPARE(folders.currentItem()->text(0), chain.last());

        FileList files(nullptr);
        files.setTypes({"bmp", "gif", "jpeg", "jpg", "png"});
        files.setPath(folder.path().toStdString());
        QStringList listed;
        for (int row = 0; row < files.count(); ++row)
            listed << files.item(row)->text();
        QCOMPARE(listed,
                 (QStringList{QStringLiteral("big.gif"), QStringLiteral("PHOTO.JPG"), QStringLiteral("png inside.jpeg"),
                              QStringLiteral("small.png"), QStringLiteral("tall.bmp"), QStringLiteral("wide.jpg"),
                              QString::fromUtf8("\u00c6r\u00f8 \"quoted\" name.jpg")}));
        const DriveList drives(nullptr);
        QCOMPARE(drives.itemText(0), QStringLiteral("/"));
        QCOMPARE(drives.driveOf(folder.path().toStdString()), drives.drive());
    }

    // Every picture the system loads is offered, whatever the case of its ending or the bytes of its name.
    void everyFormatThatLoads()
    {
        PictureFolder folder;
        const QImage image = picture(30, 20);
        for (const char* name : {"a.bmp", "c.jpeg", "d.png", "f.tif", "g.TIFF", "h.webp"})
            folder.write(QString::fromUtf8(name), encoded(image, std::strchr(name, '.') + 1));
        folder.write(QStringLiteral("b.GIF"), gif(30, 20));
        folder.write(QStringLiteral("e.svg"), "<svg xmlns='http://www.w3.org/2000/svg' width='30' height='20'/>");
        QFile metafile(qEnvironmentVariable("VARNHOLT_SOURCE_DIR")
                       + QStringLiteral("/tests/fuzz/corpus/fuzz_picture/rectangle.wmf"));
        QVERIFY(metafile.open(QIODevice::ReadOnly));
        folder.write(QStringLiteral("i.wmf"), metafile.readAll());
        folder.write(QStringLiteral("notes.txt"), "no picture\n");
        const std::string folderBytes = folder.path().toStdString() + '/';
        std::ofstream(folderBytes + "na\xefve.jpg", std::ios::binary) << encoded(image, "JPG").toStdString();

        FileList files(nullptr);
        files.setTypes(loadablePictureTypes());
        files.setPath(folder.path().toStdString());
        QStringList listed;
        for (int row = 0; row < files.count(); ++row) {
            listed << files.item(row)->text();
            files.setCurrentRow(row);
            const auto read = readPictureFile(folderBytes + files.fileName());
            QVERIFY2(std::holds_alternative<QImage>(read) && !std::get<QImage>(read).isNull(),
                     qPrintable(listed.last()));
        }
        QCOMPARE(listed,
                 QStringLiteral("a.bmp b.GIF c.jpeg d.png e.svg f.tif g.TIFF h.webp i.wmf na\uFFFDve.jpg").split(u' '));
        QCOMPARE(files.fileName(), std::string("na\xefve.jpg"));
        QVERIFY(files.select("b.GIF"));
        QVERIFY(!files.select("na\uFFFDve.jpg"));
    }
};

QTEST_MAIN(FileControlsTest)
#include "file_controls_test.moc"
