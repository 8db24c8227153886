#include "gui/browse/file_controls.h"

#include "support/picture_folder.h"

#include <QDir>
#include <QtTest>

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
        folders.setPath(folder.path());
        QStringList entries;
        for (QTreeWidgetItemIterator it(&folders); *it; ++it)
            entries << (*it)->text(0);
        QStringList chain{QStringLiteral("/")};
        for (const QString& part : folder.path().split(QLatin1Char('/'), Qt::SkipEmptyParts))
            chain << part;
        QCOMPARE(entries, chain + QStringList({QStringLiteral("Another"), QStringLiteral("sub")}));
        QCOMPARE(folders.currentItem()->text(0), chain.last());

        FileList files(nullptr);
        files.setPath(folder.path());
        QStringList listed;
        for (int row = 0; row < files.count(); ++row)
            listed << files.item(row)->text();
        QCOMPARE(listed,
                 (QStringList{QStringLiteral("big.gif"), QStringLiteral("PHOTO.JPG"), QStringLiteral("png inside.jpeg"),
                              QStringLiteral("tall.bmp"), QStringLiteral("wide.jpg"),
                              QString::fromUtf8("\u00c6r\u00f8 \"quoted\" name.jpg")}));
        const DriveList drives(nullptr);
        QCOMPARE(drives.itemText(0), QStringLiteral("/"));
        QCOMPARE(drives.driveOf(folder.path()), drives.drive());
    }
};

QTEST_MAIN(FileControlsTest)
#include "file_controls_test.moc"
