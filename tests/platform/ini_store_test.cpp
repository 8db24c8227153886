// SPDX-License-Identifier: MIT
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
#include <sys/mount.h>
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

// What stands at the path: a regular file's bytes, else its kind and size.
QByteArray describe(const QByteArray& path)
{
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0)
        return "absent";
    if (S_ISREG(status.st_mode) && status.st_size < 4096)
        return fileText(QFile::decodeName(path));
    return QByteArray::number(status.st_mode & S_IFMT) + ' ' + QByteArray::number(qint64(status.st_size));
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

    void cleanup()
    {
        if (!m_mounted.isEmpty())
            ::umount(m_mounted.constData());
        m_mounted.clear();
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
        QTest::addColumn<QString>("blocker"); // made first: the file itself, or what stands in its way
        // file, fifo, a link to a device, a sparse file too large to read, or a file on a 12 KiB tmpfs 4 KiB short
        QTest::addColumn<QString>("made");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("blockerMode");
        QTest::addColumn<int>("sizeLimit"); // the largest file the process may write, as a full disk would; 0: none
        QTest::addColumn<QString>("seen");  // the Speed loaded, then why the commit failed
        QTest::addColumn<QString>("said");  // on stderr, after the file's path
        const QString file = QStringLiteral("Varnholt.ini");
        const auto row = [&file](const char* name, const char* made, int folderMode, int blockerMode, int sizeLimit,
                                 const char* seen, const char* said) {
            QTest::newRow(name) << file << file << made << folderMode << blockerMode << sizeLimit << seen << said;
        };
        row("read-only folder", "file", 0500, 0644, 0, "10 No permission to write in the folder.",
            "read without its lock");
        row("unreadable file", "file", 0700, 0000, 0, "none No permission to write the file.", "Permission denied");
        row("write-only file", "file", 0700, 0200, 0, "none No permission to read the file.", "Permission denied");
        row("no room for the file", "file", 0700, 0644, 1024, "10 File too large", "");
        row("full disk", "full disk", 0700, 0644, 0, "10 No space left on device", "");
        row("link to a device", "/dev/zero", 0700, -1, 0, "none The file is not a regular file.", "not a regular file");
        row("FIFO", "fifo", 0700, 0644, 0, "none The file is not a regular file.", "not a regular file");
        row("sparse file of 1 GiB", "sparse", 0700, 0644, 0, "none The file is larger than 1 MiB.",
            "larger than 1 MiB");
        QTest::newRow("a file where the folder should be")
            << "Kestle/Varnholt.ini"
            << "Kestle"
            << "file" << 0700 << 0644 << 0 << "none A file stands where the folder %1/Kestle should be."
            << "Not a directory";
    }

    void storeThatCannotBeWritten()
    {
        QFETCH(QString, file);
        QFETCH(QString, blocker);
        QFETCH(QString, made);
        QFETCH(int, folderMode);
        QFETCH(int, blockerMode);
        QFETCH(int, sizeLimit);
        QFETCH(QString, seen);
        QFETCH(QString, said);
        QVERIFY(QDir(m_dir->path()).mkpath(QFileInfo(blocker).path()));
        const QByteArray folder = QFile::encodeName(m_dir->path());
        const QByteArray blocking = QFile::encodeName(m_dir->filePath(blocker));
        if (made == u"full disk") {
            if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=12k") != 0)
                QSKIP("cannot mount a tmpfs (not root)");
            m_mounted = folder;
            const QByteArray comments = QByteArray("; a comment\n").repeated(230);
            QVERIFY(writeFile(m_dir->filePath(blocker), "[ScreenSaver]\nSpeed=10\n" + comments));
            QVERIFY(writeFile(m_dir->filePath(QStringLiteral("filler")), QByteArray(4096, 'f')));
        } else if (made == u"fifo")
            QCOMPARE(::mkfifo(blocking.constData(), 0644), 0);
        else if (made == u"sparse")
            QVERIFY(writeFile(m_dir->filePath(blocker), {}) && QFile::resize(m_dir->filePath(blocker), 1LL << 30));
        else if (made != u"file")
            QVERIFY(QFile::link(made, m_dir->filePath(blocker)));
        else
            QVERIFY(writeFile(m_dir->filePath(blocker), "[ScreenSaver]\nSpeed=10\n"));
        const QByteArray before = describe(blocking);
        const std::optional<std::pair<uid_t, gid_t>> account = unprivilegedAccount();
        if (!account)
            QSKIP("running as root without a \"nobody\" account");
        QCOMPARE(::chown(folder.constData(), account->first, account->second), 0);
        QCOMPARE(::lchown(blocking.constData(), account->first, account->second), 0);
        if (blockerMode >= 0)
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
        if (blockerMode >= 0)
            ::chmod(blocking.constData(), 0600);
        QVERIFY(finished);
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromLocal8Bit(child.readAllStandardOutput()), seen.arg(m_dir->path()));
        QCOMPARE(QString::fromLocal8Bit(child.readAllStandardError()),
                 said.isEmpty() ? QString()
                                : QStringLiteral("varnholt.platform: ") + m_dir->filePath(file) + QStringLiteral(": ")
                         + said + QLatin1Char('\n'));
        QCOMPARE(describe(blocking), before);
    }

    // The saver loads again after midnight: it must see what another program wrote meanwhile.
    void aLoadReadsTheFileAsItIsNow()
    {
        QVERIFY(writeFile(path(), "[ScreenSaver]\nSpeed=10\n"));
        const IniStore store(path());
        const test::FixedClock clock(test::ymd(2011, 3, 15));
        QCOMPARE(loadSettings(store, clock, test::LinuxPaths).settings.Speed, std::int16_t(10));
        QVERIFY(writeFile(path(), "[ScreenSaver]\nSpeed=70\n"));
        QCOMPARE(loadSettings(store, clock, test::LinuxPaths).settings.Speed, std::int16_t(70));
    }

    // Every end-to-end run names its folder by XDG_CONFIG_HOME; without it the file is in the home folder.
    void defaultFileWithoutXdgConfigHome()
    {
        const QByteArray kept = qgetenv("HOME");
        const QString account = QFile::decodeName(::getpwuid(::getuid())->pw_dir);
        qunsetenv("XDG_CONFIG_HOME");
        for (const char* home : std::initializer_list<const char*>{"/home/ann", "", nullptr}) { // nullptr: HOME unset
            home ? qputenv("HOME", home) : qunsetenv("HOME");
            const QString found = IniStore::defaultFilePath();
            qputenv("HOME", kept);
            QCOMPARE(found,
                     (home && *home ? QString::fromLatin1(home) : account)
                         + QStringLiteral("/.config/Kestle/Varnholt.ini"));
        }
    }

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Varnholt.ini")); }
    std::unique_ptr<QTemporaryDir> m_dir;
    QByteArray m_mounted; // the tmpfs of a full disk, unmounted after each test
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
