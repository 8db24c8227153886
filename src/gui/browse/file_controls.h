#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QStringList>
#include <QTreeWidget>

#include <string>
#include <vector>

namespace varnholt {

// The drive list: the mounted volumes, named by their mount points.
class DriveList final : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(QWidget* parent);

    QString drive() const;
    // Selects a listed volume; RuntimeError 76 when none has that name.
    void setDrive(const QString& drive);
    // The listed volume that holds an absolute path.
    QString driveOf(const QString& path) const;

private:
    std::vector<std::string> m_volumes;
};

// The folder list: the current folder under the folders above it, then the folders inside it.
class FolderList final : public QTreeWidget {
    Q_OBJECT

public:
    explicit FolderList(QWidget* parent);

    QString path() const { return m_path; }
    // Lists the folder again; emits changed() when it differs from the last one.
    // RuntimeError 76 when it is no folder that can be read, and the list stays as it was.
    void setPath(const QString& path);

signals:
    void changed();
    // A double click on an entry, or Return: the folder the user wants to open.
    void openRequested(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

private:
    QString m_path;
};

// The file list: the picture files of one folder, by name.
class FileList final : public QListWidget {
    Q_OBJECT

public:
    explicit FileList(QWidget* parent);

    QString path() const { return m_path; }
    // Lists another folder; the same folder again is left as it is. RuntimeError 76,
    // with the list empty, when the folder cannot be read.
    void setPath(const QString& path);
    // The selected file's name, or "" when none is selected.
    QString fileName() const;
    // Selects the entry with exactly this name; false when there is none.
    bool select(const QString& name);

signals:
    // A file chosen by a mouse click (on release, also when it was already selected), a key or the program.
    void fileClicked();
    // Return on the selected file: chosen, as by a double click.
    void chosen();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_path;
    bool m_pressing = false;
};

// The names flbFiles offers: "*.jpg;*.bmp;*.wmf;*.gif;*.jpeg", any letter case.
QStringList pictureFilePattern();

} // namespace varnholt
