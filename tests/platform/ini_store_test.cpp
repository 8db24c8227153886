#include "platform/ini_store.h"

#include "core/settings/settings_io.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <grp.h>
#include <memory>
#include <optional>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace varnholt {

namespace {

const char* const LoadAndWriteSwitch = "--load-and-write";

using Text = std::optional<std::string>;

QByteArray fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}

// The other process of storeThatCannotBeWritten: prints the Speed it read and why its write failed.
int loadAndWrite(const QString& path)
{
    IniStore store(path);
    const std::string speed = store.value("ScreenSaver", "Speed").value_or("none");
    store.saveSetting("ScreenSaver", "Speed", "99");
    store.saveSetting("ScreenSaver", "Title", std::string(4096, 'x'));
    std::printf("%s %s", speed.c_str(), store.commit().failure.value_or("written").c_str());
    return EXIT_SUCCESS;
}

// Ourselves, or "nobody" when running as root, whom permissions do not bind.
std::optional<std::pair<uid_t, gid_t>> unprivilegedAccount()
{
    if (::geteuid() != 0)
        return std::pair{::geteuid(), ::getegid()};
    const passwd* nobody = ::getpwnam("nobody");
    if (nobody == nullptr)
        return std::nullopt;
    return std::pair{nobody->pw_uid, nobody->pw_gid};
}

} // namespace

class IniStoreTest final : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void valuesReadBack_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("readBack");
        QTest::addColumn<QByteArray>("stored"); // as the line holds it
        const auto exactly = [](const char* name, const QString& value, const QString& stored = {}) {
            QTest::newRow(name) << QStringLiteral("Title") << value.toUtf8() << value.toUtf8()
                                << (stored.isEmpty() ? value : stored).toUtf8();
        };
        exactly("punctuation", QStringLiteral("one, two;three \"q\" 'single' a=b==c #1 [draft] c:\\sea\\"));
        exactly("non-ASCII", QStringLiteral("Größe – 日本 ☃"));
        exactly("blanks", QStringLiteral("  padded  "), QStringLiteral("\"  padded  \"")); // quoted: no blank is lost
        exactly("own quotes", QStringLiteral("\"q\""), QStringLiteral("\"\"q\"\""));
        exactly("empty", QString());
        // A line break would start another key.
        QTest::newRow("line breaks") << QStringLiteral("Title") << QByteArray("one\r\n[Common]\nSpeed=1")
                                     << QByteArray("one [Common] Speed=1") << QByteArray("one [Common] Speed=1");
        // File names are bytes: a Latin-1 name stays as it is.
        const QByteArray latin1("na\xefve.jpg");
        QTest::newRow("file name, not UTF-8") << QStringLiteral("ImageName") << latin1 << latin1 << latin1;
    }

    void valuesReadBack()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, readBack);
        QFETCH(QByteArray, stored);
        {
            IniStore store(path());
            store.saveSetting("ScreenSaver", key.toStdString(), value.toStdString());
            QVERIFY(store.commit());
        }
        QCOMPARE(IniStore(path()).value("ScreenSaver", key.toStdString()), Text(readBack.toStdString()));
        QCOMPARE(fileText(path()), "[ScreenSaver]\n" + key.toUtf8() + '=' + stored + "\n");
    }

    // Read as typed by hand: the file-name keys are not taken for Windows-1252.
    void fileNamesAreBytes()
    {
        QVERIFY(writeFile(path(),
                          "[ScreenSaver]\nImagePath=/f\xf6to/\nImageName = \"na\xefve.jpg\"\n"
                          "ImageDrive=/m\xe9"
                          "dia\nTitle=na\xefve\n"));
        const IniStore store(path());
        QCOMPARE(store.value("ScreenSaver", "ImagePath"), Text("/f\xf6to/"));
        QCOMPARE(store.value("ScreenSaver", "ImageName"), Text("na\xefve.jpg"));
        QCOMPARE(store.value("ScreenSaver", "ImageDrive"),
                 Text("/m\xe9"
                      "dia"));
        QCOMPARE(store.value("ScreenSaver", "Title"), Text("na\xc3\xafve"));
    }

    // Run in another process, as "nobody" when the test runs as root, so that permissions bind.
    void storeThatCannotBeWritten_data()
    {
        QTest::addColumn<QString>("file");    // the store's file, relative to the temporary folder
        QTest::addColumn<QString>("blocker"); // written first: the file itself, or what stands in its way
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("blockerMode");
        QTest::addColumn<int>("sizeLimit"); // the largest file the process may write, as a full disk would; 0: none
        QTest::addColumn<QString>("seen");  // the Speed loaded, then why the commit failed
        const QString file = QStringLiteral("Varnholt.ini");
        QTest::newRow("read-only folder")
            << file << file << 0500 << 0644 << 0 << "10 No permission to write in the folder.";
        QTest::newRow("unreadable file") << file << file << 0700 << 0000 << 0
                                         << "none No permission to write the file.";
        QTest::newRow("a file where the folder should be")
            << "Kestle/Varnholt.ini"
            << "Kestle" << 0700 << 0644 << 0 << "none A file stands where the folder %1/Kestle should be.";
        QTest::newRow("no room for the file") << file << file << 0700 << 0644 << 1024 << "10 File too large";
    }

    void storeThatCannotBeWritten()
    {
        QFETCH(QString, file);
        QFETCH(QString, blocker);
        QFETCH(int, folderMode);
        QFETCH(int, blockerMode);
        QFETCH(int, sizeLimit);
        QFETCH(QString, seen);
        const QByteArray stored = "[ScreenSaver]\nSpeed=10\n";
        QVERIFY(QDir(m_dir->path()).mkpath(QFileInfo(blocker).path()));
        QVERIFY(writeFile(m_dir->filePath(blocker), stored));
        const std::optional<std::pair<uid_t, gid_t>> account = unprivilegedAccount();
        if (!account)
            QSKIP("running as root without a \"nobody\" account");
        const QByteArray folder = QFile::encodeName(m_dir->path());
        const QByteArray blocking = QFile::encodeName(m_dir->filePath(blocker));
        QCOMPARE(::chown(folder.constData(), account->first, account->second), 0);
        QCOMPARE(::chown(blocking.constData(), account->first, account->second), 0);
        QCOMPARE(::chmod(blocking.constData(), static_cast<mode_t>(blockerMode)), 0);
        QCOMPARE(::chmod(folder.constData(), static_cast<mode_t>(folderMode)), 0);

        QProcess child;
        child.setChildProcessModifier([account, sizeLimit] {
            const rlimit limit{rlim_t(sizeLimit), rlim_t(sizeLimit)};
            if (sizeLimit > 0 && (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit) != 0))
                ::_exit(EXIT_FAILURE);
            if (::geteuid() == 0
                && (::setgroups(0, nullptr) != 0 || ::setgid(account->second) != 0 || ::setuid(account->first) != 0))
                ::_exit(EXIT_FAILURE);
        });
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(LoadAndWriteSwitch), m_dir->filePath(file)});
        const bool finished = child.waitForFinished(30000);
        ::chmod(folder.constData(), 0700);
        ::chmod(blocking.constData(), 0600);
        QVERIFY(finished);
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromLocal8Bit(child.readAllStandardOutput()), seen.arg(m_dir->path()));
        QCOMPARE(fileText(m_dir->filePath(blocker)), stored);
    }

    // The saver loads again after midnight: it must see what another program wrote meanwhile.
    void aLoadReadsTheFileAsItIsNow()
    {
        QVERIFY(writeFile(path(), "[ScreenSaver]\nSpeed=10\n"));
        const IniStore store(path());
        const test::FixedClock clock(test::ymd(2011, 3, 15));
        QCOMPARE(loadSettings(store, clock).settings.Speed, std::int16_t(10));
        QVERIFY(writeFile(path(), "[ScreenSaver]\nSpeed=70\n"));
        QCOMPARE(loadSettings(store, clock).settings.Speed, std::int16_t(70));
    }

    // Every end-to-end run names its folder by XDG_CONFIG_HOME; without it the file is in the home folder.
    void defaultFileWithoutXdgConfigHome()
    {
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(IniStore::defaultFilePath(), QDir::homePath() + QStringLiteral("/.config/Kestle/Varnholt.ini"));
    }

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Varnholt.ini")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

} // namespace varnholt

int main(int argc, char* argv[])
{
    if (argc == 3 && std::strcmp(argv[1], varnholt::LoadAndWriteSwitch) == 0)
        return varnholt::loadAndWrite(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    varnholt::IniStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ini_store_test.moc"
