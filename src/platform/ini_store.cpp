// SPDX-License-Identifier: MIT
#include "platform/ini_store.h"

#include "platform/data_folder.h"
#include "platform/qt_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace varnholt {

namespace {

constexpr int LockWaitMs = 5000;
// A writer killed while it creates the lock file leaves it empty, which
// QLockFile takes for stale only after 30 s: every later writer would wait that
// long. A live holder keeps a kernel lock on the file, which QLockFile checks
// before it removes a stale one, so a short age is safe.
constexpr std::chrono::milliseconds DeadWriterLockAge{1000};

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

// A line break inside a value would start a new key in the file. The decoder
// keeps a byte-order mark that begins the text, which fromStdString drops.
QString oneLine(const std::string& text)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString line = utf8(QByteArrayView(text.data(), qsizetype(text.size())));
    return line.replace(QLatin1String("\r\n"), QLatin1String(" "))
        .replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// File names are bytes in no particular encoding: these keys keep them as they
// are, where other text that is no UTF-8 is read as Windows-1252.
bool holdsFileName(const std::string& key)
{
    return key == "ImageDrive" || key == "ImagePath" || key == "ImageName";
}

QByteArray oneLineBytes(const std::string& text)
{
    QByteArray line = QByteArray::fromStdString(text);
    return line.replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
}

// Readers take the writers' lock too: a file read while another process
// replaces it is either the old or the new file, but a commit must merge into
// the file as it is, so it reads it again under the lock.
bool lockStore(QLockFile& lock)
{
    lock.setStaleLockTime(DeadWriterLockAge);
    return lock.tryLock(LockWaitMs);
}

QString lockFilePath(const QString& filePath)
{
    return filePath + QStringLiteral(".lock");
}

// Unbuffered, a write cut short shows at once: the next write then fails with
// the system's reason (a full disk), which a buffered flush would not report.
bool writeAll(QSaveFile& file, const QByteArray& bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

// The file holds about fifty short keys: anything much larger is not ours.
constexpr qsizetype LargestFile = 1024 * 1024;

enum class ReadProblem { None, NotRegular, TooLarge, System };

// The file's bytes, or why they could not be read; an absent file reads as empty.
struct FileRead {
    QByteArray bytes;
    ReadProblem problem = ReadProblem::None;
    int error = 0; // errno, for ReadProblem::System

    // For a line on stderr after the file's path.
    std::string why() const
    {
        switch (problem) {
        case ReadProblem::NotRegular:
            return "not a regular file";
        case ReadProblem::TooLarge:
            return "larger than 1 MiB";
        default:
            return std::strerror(error);
        }
    }
};

// Only a regular file (after links) is read, and only so far: a device would
// never end, and a FIFO would block the open until some writer came.
FileRead readFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? FileRead{} : FileRead{{}, ReadProblem::System, errno};
    FileRead read;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        read = {{}, ReadProblem::System, errno};
    } else if (!S_ISREG(status.st_mode)) {
        read.problem = ReadProblem::NotRegular;
    } else if (status.st_size > LargestFile) {
        read.problem = ReadProblem::TooLarge;
    } else {
        // Reading on past the size tells a file that grew since fstat, up to one byte more than allowed.
        read.bytes.resize(qsizetype(status.st_size) + 1);
        qsizetype done = 0;
        while (done <= LargestFile) {
            if (done == read.bytes.size())
                read.bytes.resize(std::min(2 * done, LargestFile + 1));
            const ssize_t got = ::read(fd, read.bytes.data() + done, std::size_t(read.bytes.size() - done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                read = {{}, ReadProblem::System, errno};
                break;
            }
            if (got == 0)
                break;
            done += got;
        }
        if (read.problem == ReadProblem::None && done > LargestFile)
            read = {{}, ReadProblem::TooLarge, 0};
        read.bytes.truncate(done);
    }
    ::close(fd);
    return read;
}

// The nearest of the path and the folders above it that exists.
QFileInfo nearestExisting(const QString& path)
{
    QFileInfo info(path);
    while (!info.exists() && !info.isRoot() && info.absolutePath() != info.absoluteFilePath())
        info = QFileInfo(info.absolutePath());
    return info;
}

// Why the file could not be read or written, found after the fact from what stands in its place.
std::optional<std::string> blockedReason(const QString& filePath, QLockFile::LockError lockError)
{
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
    return std::nullopt;
}

std::string readFailureReason(const QString& filePath, QLockFile::LockError lockError, const FileRead& read)
{
    if (const std::optional<std::string> blocked = blockedReason(filePath, lockError))
        return *blocked;
    switch (read.problem) {
    case ReadProblem::NotRegular:
        return "The file is not a regular file.";
    case ReadProblem::TooLarge:
        return "The file is larger than 1 MiB.";
    default:
        return std::strerror(read.error);
    }
}

std::string writeFailureReason(const QString& filePath, QLockFile::LockError lockError, const QSaveFile& written)
{
    if (const std::optional<std::string> blocked = blockedReason(filePath, lockError))
        return *blocked;
    // A full disk: the system's own words say it best. Qt files ENOSPC under ResourceError, not WriteError.
    if (written.error() != QFileDevice::NoError && !written.errorString().isEmpty())
        return written.errorString().toStdString();
    return "The file could not be written.";
}

} // namespace

IniStore::IniStore() : IniStore(defaultFilePath()) {}

IniStore::IniStore(const QString& filePath) : m_path(filePath)
{
    refresh();
}

QString IniStore::defaultFilePath()
{
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty())
        configHome = QFile::decodeName(QByteArray::fromStdString(homeFolder())) + QStringLiteral("/.config");
    return configHome + QStringLiteral("/Kestle/Varnholt.ini");
}

void IniStore::refresh() const
{
    // Without the lock (a read-only folder, a holder that never lets go) the file is read all the same.
    QLockFile lock(lockFilePath(m_path));
    const bool locked = lockStore(lock);
    const FileRead read = readFile(m_path);
    m_text = IniText(read.bytes);
    std::string why = read.problem == ReadProblem::None ? std::string() : read.why();
    if (why.empty() && !locked && !read.bytes.isEmpty())
        why = "read without its lock";
    // Once per store and problem: a terminal user learns why the settings were ignored.
    if (!why.empty() && why != m_reported)
        qCWarning(lcPlatform).noquote() << QString::fromStdString(location() + ": " + why);
    m_reported = why;
}

std::optional<std::string> IniStore::value(const std::string& section, const std::string& key) const
{
    if (holdsFileName(key)) {
        const std::optional<QByteArray> bytes = m_text.rawValue(fromStd(section), fromStd(key));
        return bytes ? std::optional(bytes->toStdString()) : std::nullopt;
    }
    const std::optional<QString> text = m_text.value(fromStd(section), fromStd(key));
    return text ? std::optional(text->toStdString()) : std::nullopt;
}

void IniStore::saveSetting(const std::string& section, const std::string& key, const std::string& text)
{
    if (holdsFileName(key))
        m_unwritten.push_back({fromStd(section), fromStd(key), {}, oneLineBytes(text)});
    else
        m_unwritten.push_back({fromStd(section), fromStd(key), oneLine(text), std::nullopt});
}

CommitResult IniStore::commit()
{
    QLockFile lock(lockFilePath(m_path));
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    if (!lockStore(lock) && lock.error() == QLockFile::LockFailedError)
        return {"Another program kept the settings file locked."};
    // Never a text that was not read from the file: that would wipe what it holds.
    const FileRead read = readFile(m_path);
    if (read.problem != ReadProblem::None)
        return {readFailureReason(m_path, lock.error(), read)};
    IniText text(read.bytes);
    for (const Saved& saved : m_unwritten)
        saved.fileName ? text.setRawValue(saved.section, saved.key, *saved.fileName)
                       : text.setValue(saved.section, saved.key, saved.value);
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(file, text.bytes()) || !file.commit())
        return {writeFailureReason(m_path, lock.error(), file)};
    m_text = text;
    m_unwritten.clear();
    return {};
}

std::string IniStore::location() const
{
    return QDir::toNativeSeparators(m_path).toStdString();
}

} // namespace varnholt
