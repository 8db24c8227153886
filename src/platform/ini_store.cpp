#include "platform/ini_store.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QIODevice>
#include <QList>
#include <QLockFile>
#include <QSet>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace varnholt {

namespace {

constexpr int LockWaitMs = 5000;
// A writer killed while it creates the lock file leaves it empty, which
// QLockFile takes for stale only after 30 s: every later writer would wait that
// long. A live holder keeps a kernel lock on the file, which QLockFile checks
// before it removes a stale one, so a short age is safe.
constexpr std::chrono::milliseconds DeadWriterLockAge{1000};

QString settingsKey(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

// Calls entry(name, value) for every "key=value" line, name being "Section/key"
// or a bare key before the first section. Other lines are skipped.
template <typename Entry>
void forEachEntry(QByteArray data, Entry entry)
{
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    QString section;
    const QList<QByteArray> lines = data.split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString text = QString::fromUtf8(line);
        const QString trimmed = text.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
            section = trimmed.mid(1, trimmed.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = text.indexOf(QLatin1Char('='));
        const QString key = text.left(equals).trimmed();
        if (equals < 0 || key.isEmpty() || key.startsWith(QLatin1Char(';')) || key.startsWith(QLatin1Char('#')))
            continue;
        entry(section.isEmpty() ? key : section + QLatin1Char('/') + key, text.mid(equals + 1));
    }
}

// QSettings' own INI dialect splits values at commas, cuts them at ";" and
// escapes backslashes and quotes; this one keeps every value as typed.
bool readPlainIni(QIODevice& device, QSettings::SettingsMap& map)
{
    forEachEntry(device.readAll(), [&](const QString& name, const QString& value) { map.insert(name, value); });
    return true;
}

QString sectionOf(const QString& name)
{
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : name.left(slash);
}

// QSettings hands the writer a sorted map: keys already in the file keep their
// place (QSettings holds the lock, so the file is the one it has just merged),
// new keys follow.
QStringList namesInFileOrder(const QIODevice& device, const QSettings::SettingsMap& map)
{
    QStringList names;
    QSet<QString> seen;
    const auto add = [&](const QString& name) {
        if (map.contains(name) && !seen.contains(name)) {
            seen.insert(name);
            names.append(name);
        }
    };
    if (const auto* target = qobject_cast<const QFileDevice*>(&device)) {
        QFile file(target->fileName());
        if (file.open(QIODevice::ReadOnly))
            forEachEntry(file.readAll(), [&](const QString& name, const QString&) { add(name); });
    }
    for (auto it = map.constBegin(); it != map.constEnd(); ++it)
        add(it.key());
    return names;
}

// The write function's own failure, for commit to report: QSettings tells only that it failed.
thread_local QString writeError;

bool writeLine(QIODevice& device, const QString& line)
{
    return device.write(line.toUtf8()) >= 0 && device.write("\n") >= 0;
}

bool writePlainIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    const QStringList names = namesInFileOrder(device, map);
    QStringList sections;
    for (const QString& name : names) {
        if (!sections.contains(sectionOf(name)))
            sections.append(sectionOf(name));
    }
    // Keys outside any section must come before the first header.
    if (sections.removeOne(QString()))
        sections.prepend(QString());
    bool written = true;
    for (const QString& section : sections) {
        if (!section.isEmpty())
            written = written && writeLine(device, QLatin1Char('[') + section + QLatin1Char(']'));
        const qsizetype keyStart = section.isEmpty() ? 0 : section.size() + 1;
        for (const QString& name : names) {
            if (sectionOf(name) == section) {
                const QString value = map.value(name).toString();
                written = written && writeLine(device, name.mid(keyStart) + QLatin1Char('=') + value);
            }
        }
    }
    // A full disk shows when the buffered text reaches the file, which QSettings does out of our sight.
    auto* file = qobject_cast<QFileDevice*>(&device);
    errno = 0;
    if (written && file)
        written = file->flush();
    // Qt calls a write cut short an unknown error; the system's words say why it was cut.
    if (!written)
        writeError = errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : device.errorString();
    return written;
}

// A line break inside a value would start a new key in the file. The decoder
// keeps a byte-order mark that begins the text, which fromStdString drops.
QString oneLine(const std::string& text)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString line = utf8(QByteArrayView(text.data(), qsizetype(text.size())));
    return line
        .replace(QLatin1String("\r\n"), QLatin1String(" "))
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

QSettings::Format plainIniFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("ini"), readPlainIni, writePlainIni);
    return format;
}

// QSettings reads without its lock and notes the file's size and time after
// reading: a write by another process in that gap would look merged already,
// and our next commit would overwrite it. Reading under the lock QSettings
// writes under closes the gap; without it (read-only folder, a holder that
// never lets go) the file is read as QSettings would.
void lockStore(QLockFile& lock)
{
    lock.setStaleLockTime(DeadWriterLockAge);
    lock.tryLock(LockWaitMs);
}

QString lockFilePath(const QString& filePath)
{
    return filePath + QStringLiteral(".lock");
}

// The nearest of the path and the folders above it that exists.
QFileInfo nearestExisting(const QString& path)
{
    QFileInfo info(path);
    while (!info.exists() && !info.isRoot() && info.absolutePath() != info.absoluteFilePath())
        info = QFileInfo(info.absolutePath());
    return info;
}

// Why the file could not be written, found after the fact from what stands in its place.
std::string failureReason(const QString& filePath, QLockFile::LockError lockError)
{
    if (!writeError.isEmpty())
        return writeError.toStdString();
    const QFileInfo file(filePath);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir())
        return "A folder has the name of the file.";
    if (!folder.isDir()) {
        const QFileInfo blocker = nearestExisting(folder.absoluteFilePath());
        const std::string blockerPath = QDir::toNativeSeparators(blocker.absoluteFilePath()).toStdString();
        if (!blocker.isDir())
            return "A file stands where the folder " + blockerPath + " should be.";
        return "No permission to make the folder.";
    }
    if (lockError == QLockFile::PermissionError || !folder.isWritable())
        return "No permission to write in the folder.";
    if (file.exists() && !file.isWritable())
        return "No permission to write the file.";
    if (file.exists() && !file.isReadable())
        return "No permission to read the file.";
    return "The file could not be written.";
}

std::unique_ptr<QSettings> settingsReadUnderLock(const QString& filePath)
{
    QLockFile lock(lockFilePath(filePath));
    lockStore(lock);
    return std::make_unique<QSettings>(filePath, plainIniFormat());
}

} // namespace

IniStore::IniStore() : IniStore(defaultFilePath())
{
}

IniStore::IniStore(const QString& filePath) : m_settings(settingsReadUnderLock(filePath))
{
}

IniStore::~IniStore() = default;

QString IniStore::defaultFilePath()
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QDir::homePath() + QStringLiteral("/.config");
    return configHome + QStringLiteral("/Kestle/Varnholt.ini");
}

std::optional<std::string> IniStore::value(const std::string& section, const std::string& key) const
{
    const QString name = settingsKey(section, key);
    if (!m_settings->contains(name))
        return std::nullopt;
    return m_settings->value(name).toString().toStdString();
}

void IniStore::saveSetting(const std::string& section, const std::string& key, const std::string& text)
{
    m_unwritten.emplace_back(settingsKey(section, key), oneLine(text));
    m_settings->setValue(m_unwritten.back().first, m_unwritten.back().second);
}

CommitResult IniStore::commit()
{
    const QString filePath = m_settings->fileName();
    if (m_commitFailed) {
        // QSettings keeps reporting its first error: only a fresh one tells whether this attempt succeeds.
        m_settings = std::make_unique<QSettings>(filePath, plainIniFormat());
        for (const auto& [name, value] : m_unwritten)
            m_settings->setValue(name, value);
    }
    QLockFile::LockError lockError = QLockFile::NoError;
    {
        // Clears a dead writer's lock before QSettings' own lock waits for it.
        QLockFile lock(lockFilePath(filePath));
        lockStore(lock);
        lockError = lock.error();
    }
    writeError.clear();
    m_settings->sync();
    m_commitFailed = m_settings->status() != QSettings::NoError;
    if (m_commitFailed)
        return {failureReason(filePath, lockError)};
    m_unwritten.clear();
    return {};
}

std::string IniStore::location() const
{
    return QDir::toNativeSeparators(m_settings->fileName()).toStdString();
}

} // namespace varnholt
