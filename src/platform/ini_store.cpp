#include "platform/ini_store.h"

#include <QDir>
#include <QIODevice>
#include <QList>
#include <QStringList>

namespace varnholt {

namespace {

QString settingsKey(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

// QSettings' own INI dialect splits values at commas, cuts them at ";" and
// escapes backslashes and quotes; this one keeps every value as typed.
bool readPlainIni(QIODevice& device, QSettings::SettingsMap& map)
{
    QString section;
    QByteArray data = device.readAll();
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
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
        map.insert(section.isEmpty() ? key : section + QLatin1Char('/') + key, text.mid(equals + 1));
    }
    return true;
}

void writeLine(QIODevice& device, const QString& line)
{
    device.write(line.toUtf8());
    device.write("\n");
}

bool writePlainIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        if (!it.key().contains(QLatin1Char('/')))
            writeLine(device, it.key() + QLatin1Char('=') + it.value().toString());
    }
    QString section;
    for (auto it = map.constBegin(); it != map.constEnd(); ++it) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        if (slash < 0)
            continue;
        if (it.key().left(slash) != section) {
            section = it.key().left(slash);
            writeLine(device, QLatin1Char('[') + section + QLatin1Char(']'));
        }
        writeLine(device, it.key().mid(slash + 1) + QLatin1Char('=') + it.value().toString());
    }
    return true;
}

// A line break inside a value would start a new key in the file.
QString oneLine(const std::string& text)
{
    return QString::fromStdString(text)
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

} // namespace

IniStore::IniStore() : IniStore(defaultFilePath())
{
}

IniStore::IniStore(const QString& filePath) : m_settings(filePath, plainIniFormat())
{
}

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
    if (!m_settings.contains(name))
        return std::nullopt;
    return m_settings.value(name).toString().toStdString();
}

void IniStore::saveSetting(const std::string& section, const std::string& key, const std::string& text)
{
    m_settings.setValue(settingsKey(section, key), oneLine(text));
}

bool IniStore::commit()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

} // namespace varnholt
