// SPDX-License-Identifier: MIT
#include "gui/widgets/desktop_platform.h"

#include <QAbstractButton>
#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

using namespace varnholt;

namespace {

class UrlRecorder final : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

} // namespace

class QtPlatformTest final : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
    }

    void cursorIsBlankWhileTheCounterIsBelowZero()
    {
        DesktopPlatform platform;
        // show, expected count
        const std::vector<std::pair<bool, int>> steps{{false, -1}, {false, -2}, {true, -1},  {true, 0},
                                                      {true, 1},   {false, 0},  {false, -1}, {true, 0}};
        for (const auto& [show, count] : steps) {
            QCOMPARE(platform.showCursor(show), count);
            const QCursor* cursor = QGuiApplication::overrideCursor();
            if (count < 0) {
                QVERIFY(cursor);
                QCOMPARE(cursor->shape(), Qt::BlankCursor);
            } else {
                QVERIFY2(!cursor, "the cursor is restored fully at zero");
            }
        }
    }

    void opensFilesAndAddressesWithoutAShell_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("opened");
        const auto row = [](const char* name, const char* target, const char* opened) {
            QTest::newRow(name) << QString::fromUtf8(target) << QString::fromUtf8(opened);
        };
        row("file with blanks", "/tmp/a b/read me.txt", "file:///tmp/a b/read me.txt");
        row("mail", "mailto:someone@example.com", "mailto:someone@example.com");
        row("web", "http://www.example.com/countdown", "http://www.example.com/countdown");
        row("secure web", "HTTPS://example.com", "https://example.com");
        row("file named like a scheme", "/home/u/http.txt", "file:///home/u/http.txt");
    }

    void opensFilesAndAddressesWithoutAShell()
    {
        QFETCH(QString, target);
        QFETCH(QString, opened);
        UrlRecorder recorder;
        for (const char* scheme : {"file", "mailto", "http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &recorder, "open");
        DesktopPlatform platform;
        platform.shellOpen(target.toStdString());
        for (const char* scheme : {"file", "mailto", "http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        QCOMPARE(recorder.urls.size(), 1);
        QCOMPARE(recorder.urls.front().toString(), opened);
    }

    void messageBoxIsCaptionedWithOkOnly()
    {
        const std::pair<MessageIcon, QMessageBox::Icon> icons[] = {
            {MessageIcon::None, QMessageBox::NoIcon},
            {MessageIcon::Critical, QMessageBox::Critical},
            {MessageIcon::Information, QMessageBox::Information}};
        for (const auto& [icon, shown] : icons) {
            QStringList seen; // caption, text, icon, buttons
            QTimer::singleShot(0, this, [&seen] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    seen << box->windowTitle() << box->text() << QString::number(box->icon())
                         << QString::number(box->standardButtons().toInt());
                    box->button(QMessageBox::Ok)->click();
                }
            });
            DesktopPlatform().messageBox("The Settings Dialog is already open.     \r\n\r\n", icon);
            QCOMPARE(seen,
                     QStringList({QStringLiteral("Varnholt ScreenSaver"),
                                  QStringLiteral("The Settings Dialog is already open.     \n\n"),
                                  QString::number(shown), QString::number(QMessageBox::Ok)}));
        }
    }

private:
    QTemporaryDir m_runtime;
};

QTEST_MAIN(QtPlatformTest)
#include "desktop_platform_test.moc"
