// SPDX-License-Identifier: MIT
#include "gui/browse/file_controls.h"

#include "core/program/picture_folders.h"
#include "core/program/volumes.h"
#include "gui/widgets/text_style.h"
#include "platform/mount_table.h"

#include <QKeyEvent>
#include <QStyle>

#include <filesystem>

namespace varnholt {

namespace {

namespace fs = std::filesystem;

constexpr int PathRole = Qt::UserRole;

// The order of the lists: by the shown name, in any letter case.
bool shownBefore(const std::string& a, const std::string& b)
{
    return shownName(a).compare(shownName(b), Qt::CaseInsensitive) < 0;
}

bool isReturn(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

QString shownName(const std::string& name)
{
    QString shown = qString(name);
    for (QChar& c : shown) {
        if (c == u'\n' || c == u'\r')
            c = QChar::ReplacementCharacter;
    }
    return shown;
}

DriveList::DriveList(QWidget* parent) : QComboBox(parent), m_volumes(driveFolders(readMountTable()))
{
    for (const std::string& volume : m_volumes)
        addItem(shownName(volume), QByteArray::fromStdString(volume));
}

std::string DriveList::drive() const
{
    return currentData(PathRole).toByteArray().toStdString();
}

bool DriveList::setDrive(const std::string& drive)
{
    const int index = findData(QByteArray::fromStdString(drive), PathRole);
    if (index >= 0)
        setCurrentIndex(index);
    return index >= 0;
}

std::string DriveList::driveOf(const std::string& path) const
{
    return driveOfPath(path, m_volumes);
}

FolderList::FolderList(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setIndentation(fontMetrics().averageCharWidth() * 2);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { emit openRequested(item->data(0, PathRole).toByteArray()); });
}

void FolderList::keyPressEvent(QKeyEvent* event)
{
    if (isReturn(event) && currentItem())
        emit openRequested(currentItem()->data(0, PathRole).toByteArray());
    else
        QTreeWidget::keyPressEvent(event);
}

// Every entry is always open: no expand or collapse marks.
void FolderList::drawBranches(QPainter*, const QRect&, const QModelIndex&) const {}

std::optional<PictureFault> FolderList::setPath(const std::string& path)
{
    const std::string folder = cleanFolder(path);
    if (auto fault = folderFault(folder))
        return fault;
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem* parent = nullptr;
    for (const std::string& step : folderChain(folder)) {
        const QString name = shownName(step == "/" ? step : fs::path(step).filename().native());
        parent = parent ? new QTreeWidgetItem(parent, {name}) : new QTreeWidgetItem(this, {name});
        parent->setIcon(0, open);
        parent->setData(0, PathRole, QByteArray::fromStdString(step));
    }
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const std::string& inside : folderNames(folder, shownBefore)) {
        auto* item = new QTreeWidgetItem(parent, {shownName(inside)});
        item->setIcon(0, closed);
        item->setData(0, PathRole, QByteArray::fromStdString((fs::path(folder) / inside).native()));
    }
    expandAll();
    setCurrentItem(parent);
    scrollToItem(parent);
    const bool moved = folder != m_path;
    m_path = folder;
    if (moved)
        emit changed();
    return std::nullopt;
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
    if (isReturn(event) && !fileName().empty())
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

std::optional<PictureFault> FileList::setPath(const std::string& path)
{
    const std::string folder = cleanFolder(path);
    if (folder == m_path)
        return std::nullopt;
    clear();
    m_path.clear();
    if (auto fault = folderFault(folder))
        return fault;
    m_path = folder;
    for (const std::string& name : pictureFileNames(folder, m_types, shownBefore)) {
        auto* item = new QListWidgetItem(shownName(name), this);
        item->setData(PathRole, QByteArray::fromStdString(name));
    }
    return std::nullopt;
}

std::string FileList::fileName() const
{
    const QListWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->data(PathRole).toByteArray().toStdString() : std::string();
}

bool FileList::select(const std::string& name)
{
    const QByteArray wanted = QByteArray::fromStdString(name);
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(PathRole).toByteArray() == wanted) {
            setCurrentRow(row);
            return true;
        }
    }
    return false;
}

} // namespace varnholt
