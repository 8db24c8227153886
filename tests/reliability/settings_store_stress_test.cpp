// SPDX-License-Identifier: MIT
// The settings file under two writers at once and under writers killed at any
// moment. The other processes are this test binary started again.

#include "core/settings/conversions.h"
#include "core/settings/key_table.h"
#include "core/settings/settings_io.h"
#include "platform/ini_store.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

namespace varnholt {

namespace {

const char* const SiblingSwitch = "--sibling-writes";
const char* const WriterSwitch = "--write-until-killed";
constexpr int ConcurrentRounds = 200;
constexpr int Kills = 100;
constexpr int ChildWaitMs = 60000;
// A writer killed while it creates the lock file leaves it empty; waiting the
// 30 s after which QLockFile alone would take it for stale is too long.
constexpr int NextWriterMs = 15000;

using Text = std::optional<std::string>;

// What the settings dialog's OK writes in round (or generation) n: values in both sections, from the first
// key to the last, differ from round to round, so that a file mixing two rounds shows.
EditedSettings editFor(int n)
{
    const std::string tag = std::to_string(n);
    EditedSettings edited;
    SettingsRecord& r = edited.record;
    r.Synchronize = n % 3 == 0 ? FlagOff : FlagOn;
    r.Title = "round " + tag;
    r.Speed = std::int16_t(n % 101);
    r.picture.ImageName = "picture " + tag + ".png";
    r.picture.ImagePath = "/pictures " + tag + "/";
    for (std::size_t i = 0; i < FontEntries; ++i) {
        r.TextFontName[i] = "Font " + tag;
        r.TextFontUnderline[i] = n % 2 == 0;
    }
    edited.date = Date{std::chrono::sys_days{test::ymd(2026, 1, 1)} + std::chrono::days{n}};
    return edited;
}

bool writeRound(const QString& path, int n)
{
    IniStore store(path);
    return bool(writeSettings(store, editFor(n)));
}

LoadedSettings loadFrom(const QString& path)
{
    return loadSettings(IniStore(path), test::FixedClock(test::ymd(2026, 12, 5)), test::LinuxPaths);
}

// The round whose values the file holds, from its Title; -1 when there is none.
int roundIn(const LoadedSettings& loaded)
{
    const std::string& title = loaded.settings.Title;
    return title.starts_with("round ") ? std::atoi(title.c_str() + 6) : -1;
}

// The sibling program: its own keys in both sections, one new key of each per round.
int siblingWrites(const QString& path, int rounds)
{
    for (int n = 0; n < rounds; ++n) {
        IniStore store(path);
        const std::string tag = std::to_string(n);
        store.saveSetting(SectionCommon, "DesktopPath", "/opt/desktop/" + tag);
        store.saveSetting(SectionCommon, "Note" + tag, tag);
        store.saveSetting(SectionScreenSaver, "Note" + tag, tag);
        if (!store.commit())
            return EXIT_FAILURE;
        if (n == 0)
            std::puts("started");
        std::fflush(stdout);
    }
    return EXIT_SUCCESS;
}

// Writes every setting, round after round, from the round after the one in the
// file; prints each round once it is committed.
int writeUntilKilled(const QString& path)
{
    for (int n = roundIn(loadFrom(path)) + 1;; ++n) {
        if (!writeRound(path, n))
            return EXIT_FAILURE;
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}

QProcess* startChild(QObject* parent, const QStringList& arguments)
{
    auto* child = new QProcess(parent);
    child->start(QCoreApplication::applicationFilePath(), arguments);
    return child;
}

} // namespace

class SettingsStoreStressTest final : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    // Even rounds commit through a store opened before the sibling started, as the
    // dialog's store is opened when the program starts; odd rounds open their own.
    void dialogAndSiblingWriteAtOnce()
    {
        IniStore opened(path());
        QProcess* sibling = startChild(this,
                                       {QString::fromLatin1(SiblingSwitch), path(), QString::number(ConcurrentRounds)});
        QVERIFY(sibling->waitForReadyRead(ChildWaitMs));
        for (int n = 0; n < ConcurrentRounds; ++n) {
            const bool written = n % 2 == 0 ? bool(writeSettings(opened, editFor(n))) : writeRound(path(), n);
            QVERIFY2(written, qPrintable(QStringLiteral("round %1").arg(n)));
        }
        QVERIFY(sibling->waitForFinished(ChildWaitMs));
        QCOMPARE(sibling->exitCode(), EXIT_SUCCESS);

        const IniStore store(path());
        for (int n = 0; n < ConcurrentRounds; ++n) {
            const std::string tag = std::to_string(n);
            QCOMPARE(store.value(SectionCommon, "Note" + tag), Text(tag));
            QCOMPARE(store.value(SectionScreenSaver, "Note" + tag), Text(tag));
        }
        QCOMPARE(store.value(SectionCommon, "DesktopPath"),
                 Text("/opt/desktop/" + std::to_string(ConcurrentRounds - 1)));
        QCOMPARE(loadFrom(path()).settings, expectedFor(ConcurrentRounds - 1));
    }

    // The store commits through a temporary file renamed over the old one: a
    // writer killed at any moment leaves the old settings or the new ones.
    void writerKilledAtRandomMoments()
    {
        int last = -1; // the last round known to be committed
        for (int kill = 0; kill < Kills; ++kill) {
            QProcess* writer = startChild(this, {QString::fromLatin1(WriterSwitch), path()});
            QVERIFY2(writer->waitForReadyRead(NextWriterMs), qPrintable(QStringLiteral("kill %1").arg(kill)));
            std::this_thread::sleep_for(std::chrono::microseconds(QRandomGenerator::global()->bounded(20000)));
            writer->kill();
            QVERIFY(writer->waitForFinished(ChildWaitMs));
            const QList<QByteArray> printed = writer->readAllStandardOutput().trimmed().split('\n');
            QVERIFY(!printed.isEmpty());
            last = printed.last().toInt();
            delete writer;

            const LoadedSettings loaded = loadFrom(path());
            const IniStore store(path());
            for (const KeyEntry& entry : keyTable())
                QVERIFY2(store.value(sectionName(entry.section, loaded.settings.Synchronize), entry.key),
                         entry.key.c_str());
            const int found = roundIn(loaded);
            QVERIFY2(found == last || found == last + 1,
                     qPrintable(QStringLiteral("kill %1: committed %2, file holds %3").arg(kill).arg(last).arg(found)));
            QCOMPARE(loaded.settings, expectedFor(found));
            last = found;
        }
    }

private:
    QString path() const { return m_dir->filePath(QStringLiteral("Varnholt.ini")); }

    // The record of a file that round n alone has written.
    static SettingsRecord expectedFor(int n)
    {
        const EditedSettings edited = editFor(n);
        SettingsRecord expected = edited.record;
        expected.Date = textFromDate(edited.date);
        return expected;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

} // namespace varnholt

int main(int argc, char* argv[])
{
    if (argc == 4 && std::strcmp(argv[1], varnholt::SiblingSwitch) == 0)
        return varnholt::siblingWrites(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    if (argc == 3 && std::strcmp(argv[1], varnholt::WriterSwitch) == 0)
        return varnholt::writeUntilKilled(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    varnholt::SettingsStoreStressTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "settings_store_stress_test.moc"
