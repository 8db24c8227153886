// SPDX-License-Identifier: MIT
#include "core/common/errors.h"
#include "platform/pictures/picture_file.h"

#include <QTemporaryDir>
#include <QTest>

using namespace varnholt;

class MetafileTest final : public QObject {
    Q_OBJECT
private slots:
    void metafilesAreDrawnOrRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("size"); // empty: refused as an invalid picture
        QTest::addColumn<QString>("why");
        QTest::newRow("red rectangle") << "rectangle.wmf" << QSize(100, 66) << "";
        QTest::newRow("nothing drawn") << "empty_picture.wmf" << QSize() << "the metafile could not be drawn";
        QTest::newRow("cut short") << "truncated.wmf" << QSize() << "the metafile could not be drawn";
        QTest::newRow("no metafile at all") << "" << QSize() << "";
    }

    void metafilesAreDrawnOrRefused()
    {
        QFETCH(QString, file);
        QFETCH(QSize, size);
        QFETCH(QString, why);
        const QString corpus = qEnvironmentVariable("VARNHOLT_SOURCE_DIR")
            + QStringLiteral("/tests/fuzz/corpus/fuzz_picture/");
        QString path = corpus + file;
        if (file.isEmpty()) {
            path = m_scratch.filePath(QStringLiteral("text.wmf"));
            QFile text(path);
            QVERIFY(text.open(QIODevice::WriteOnly) && text.write("just text") > 0);
        }
        const auto read = readPictureFile(path.toStdString());
        if (const auto* image = std::get_if<QImage>(&read)) {
            QVERIFY2(size.isValid(), "refused");
            QCOMPARE(image->size(), size);
            QCOMPARE(image->pixelColor(size.width() / 2, size.height() / 2), QColor(Qt::red));
        } else {
            const PictureFault& fault = std::get<PictureFault>(read);
            QVERIFY2(!size.isValid(), fault.reason.c_str());
            QCOMPARE(fault.kind, PictureFault::NotAPicture);
            QCOMPARE(QString::fromStdString(fault.reason), why);
        }
    }

private:
    QTemporaryDir m_scratch;
};

QTEST_MAIN(MetafileTest)
#include "metafile_test.moc"
