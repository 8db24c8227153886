#include "platform/ini_store.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QIODevice>
#include <QList>
#include <QLockFile>
#include <QSet>
#include <QSettings>
#include <QStringDecoder>
#include <QStringList>

#include <chrono>

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

void writeLine(QIODevice& device, const QString& line)
{
    device.write(line.toUtf8());
    device.write("\n");
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
    for (const QString& section : sections) {
        if (!section.isEmpty())
            writeLine(device, QLatin1Char('[') + section + QLatin1Char(']'));
        const qsizetype keyStart = section.isEmpty() ? 0 : section.size() + 1;
        for (const QString& name : names) {
            if (sectionOf(name) == section)
                writeLine(device, name.mid(keyStart) + QLatin1Char('=') + map.value(name).toString());
        }
    }
    return true;
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
    m_settings->setValue(settingsKey(section, key), oneLine(text));
}

bool IniStore::commit()
{
    {
        // Clears a dead writer's lock before QSettings' own lock waits for it.
        QLockFile lock(lockFilePath(m_settings->fileName()));
        lockStore(lock);
    }
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

} // namespace varnholt
