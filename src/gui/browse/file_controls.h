// SPDX-License-Identifier: MIT
#pragma once

#include "core/common/errors.h"

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

#include <optional>
#include <string>
#include <vector>

namespace varnholt {

// Paths and names are kept as the bytes the system gives, which need not be
// UTF-8; only the texts shown are decoded, an undecodable byte shown as U+FFFD.

// The drive list: the mounted volumes, named by their mount points.
class DriveList final : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(QWidget* parent);

    std::string drive() const;
    // Selects a listed volume; false when none has that name.
    bool setDrive(const std::string& drive);
    // The listed volume that holds an absolute path.
    std::string driveOf(const std::string& path) const;

private:
    std::vector<std::string> m_volumes;
};

// The folder list: the current folder under the folders above it, then the folders inside it.
class FolderList final : public QTreeWidget {
    Q_OBJECT

public:
    explicit FolderList(QWidget* parent);

    const std::string& path() const { return m_path; }
    // Lists the folder again; emits changed() when it differs from the last one.
    // The fault when it is no folder that can be read, and the list stays as it was.
    std::optional<PictureFault> setPath(const std::string& path);

signals:
    void changed();
    // A double click on an entry, or Return: the folder the user wants to open.
    void openRequested(const QByteArray& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

private:
    std::string m_path;
};

// The file list: the picture files of one folder, by name.
class FileList final : public QListWidget {
    Q_OBJECT

public:
    explicit FileList(QWidget* parent);

    // The name endings listed, lower case without the dot; any letter case matches.
    void setTypes(const std::vector<std::string>& types) { m_types = types; }
    const std::string& path() const { return m_path; }
    // Lists another folder; the same folder again is left as it is. The fault,
    // with the list empty, when the folder cannot be read.
    std::optional<PictureFault> setPath(const std::string& path);
    // The selected file's name, or "" when none is selected.
    std::string fileName() const;
    // Selects the entry with exactly this name; false when there is none.
    bool select(const std::string& name);

signals:
    // A file chosen by a mouse click (on release, also when it was already selected), a key or the program.
    void fileClicked();
    // Return on the selected file: chosen, as by a double click.
    void chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<std::string> m_types;
    std::string m_path;
    bool m_pressing = false;
};

// A name or path as the lists show it.
QString shownName(const std::string& name);

} // namespace varnholt
