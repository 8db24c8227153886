#include "gui/browse/file_controls.h"

#include "core/common/errors.h"
#include "core/program/volumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStyle>

namespace varnholt {

namespace {

constexpr int PathRole = Qt::UserRole;

QString cleanFolder(const QString& path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

void requireReadableFolder(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isDir())
        throw RuntimeError(ErrPathNotFound);
    if (!info.isReadable() || !info.isExecutable())
        throw RuntimeError(ErrPathNotFound, errorDescription(ErrPathNotFound) + " (the folder cannot be read)");
}

std::vector<std::string> readVolumes()
{
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    // The file reports a size of 0: read it to its end.
    const QByteArray text = mounts.open(QIODevice::ReadOnly) ? mounts.readAll() : QByteArray();
    std::vector<std::string> volumes;
    for (const std::string& volume : mountedVolumes(text.toStdString())) {
        if (QFileInfo(QString::fromStdString(volume)).isDir())
            volumes.push_back(volume);
    }
    return volumes;
}

bool isReturn(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

QStringList pictureFilePattern()
{
    return QStringLiteral("*.jpg;*.bmp;*.wmf;*.gif;*.jpeg").split(QLatin1Char(';'));
}

DriveList::DriveList(QWidget* parent) : QComboBox(parent), m_volumes(readVolumes())
{
    for (const std::string& volume : m_volumes)
        addItem(QString::fromStdString(volume));
}

QString DriveList::drive() const
{
    return currentText();
}

void DriveList::setDrive(const QString& drive)
{
    const int index = findText(drive, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        throw RuntimeError(ErrPathNotFound);
    setCurrentIndex(index);
}

QString DriveList::driveOf(const QString& path) const
{
    return QString::fromStdString(driveOfPath(path.toStdString(), m_volumes));
}

FolderList::FolderList(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(fontMetrics().averageCharWidth() * 2);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { emit openRequested(item->data(0, PathRole).toString()); });
}

void FolderList::keyPressEvent(QKeyEvent* event)
{
    if (isReturn(event) && currentItem())
        emit openRequested(currentItem()->data(0, PathRole).toString());
    else
        QTreeWidget::keyPressEvent(event);
}

// Every entry is always open: no expand or collapse marks.
void FolderList::drawBranches(QPainter*, const QRect&, const QModelIndex&) const {}

void FolderList::setPath(const QString& path)
{
    const QString folder = cleanFolder(path);
    requireReadableFolder(folder);
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem* parent = nullptr;
    for (const std::string& step : folderChain(folder.toStdString())) {
        const QString stepPath = QString::fromStdString(step);
        const QString name = stepPath == QLatin1String("/") ? stepPath : QFileInfo(stepPath).fileName();
        parent = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(this, {name});
        parent->setIcon(0, open);
        parent->setData(0, PathRole, stepPath);
    }
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QDir dir(folder);
    const QFileInfoList insides = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& inside : insides) {
        auto* item = new QTreeWidgetItem(parent, {inside.fileName()});
        item->setIcon(0, closed);
        item->setData(0, PathRole, inside.absoluteFilePath());
    }
    expandAll();
    setCurrentItem(parent);
    scrollToItem(parent);
    const bool moved = folder != m_path;
    m_path = folder;
    if (moved)
        emit changed();
}

FileList::FileList(QWidget* parent) : QListWidget(parent)
{
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && !m_pressing)
            emit fileClicked();
    });
    connect(this, &QListWidget::itemClicked, this, [this] { emit fileClicked(); });
}

// A press that selects a file becomes its click on release.
void FileList::keyPressEvent(QKeyEvent* event)
{
    if (isReturn(event) && !fileName().isEmpty())
        emit chosen();
    else
        QListWidget::keyPressEvent(event);
}

void FileList::mousePressEvent(QMouseEvent* event)
{
    m_pressing = true;
    QListWidget::mousePressEvent(event);
    m_pressing = false;
}

void FileList::setPath(const QString& path)
{
    const QString folder = cleanFolder(path);
    if (folder == m_path)
        return;
    clear();
    m_path.clear();
    requireReadableFolder(folder);
    m_path = folder;
    addItems(QDir(folder).entryList(pictureFilePattern(), QDir::Files, QDir::Name | QDir::IgnoreCase));
}

QString FileList::fileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

bool FileList::select(const QString& name)
{
    const QList<QListWidgetItem*> found = findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (found.isEmpty())
        return false;
    setCurrentItem(found.first());
    return true;
}

} // namespace varnholt
