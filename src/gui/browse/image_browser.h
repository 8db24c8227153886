// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/image_browser_controller.h"
#include "core/motion/builtin_pictures.h"
#include "gui/widgets/control_states.h"
#include "gui/widgets/twips_geometry.h"

#include <QDialog>
#include <QImage>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;

namespace varnholt {

class DriveList;
class FileList;
class FolderList;
class FormBuilder;
class Platform;

// The modal image browser: picks a built-in picture or a picture file with its size step.
class ImageBrowser final : public QDialog, private WidgetFormView<ImageBrowserView> {
    Q_OBJECT

public:
    // Opens on a choice and the natural size of the file previewed last.
    ImageBrowser(const PictureChoice& choice, PreviewSize previewSize, Platform& platform, Log& log,
                 QWidget* parent = nullptr);

    // The choice that OK closed with.
    const PictureChoice& choice() const { return m_controller.choice(); }
    // The natural size of the file previewed last, however the browser closed.
    PreviewSize previewSize() const { return m_controller.previewSize(); }

public slots:
    // Escape and the window's close button count as Cancel.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of the layout table, bound by their names.
    struct Controls {
        QTabBar* tbsImages;
        std::array<QFrame*, 2> fraImages{};
        // Indexed 1 to 9 as the pictures are; element 0 stays empty.
        std::array<QLabel*, BuiltinPictureCount + 1> imgPhotos{};
        std::array<QLabel*, BuiltinPictureCount + 1> lblPhotos{};
        QLabel* lblFolders;
        FolderList* dirImages;
        QLabel* lblFiles;
        FileList* flbFiles;
        QLabel* lblDrives;
        DriveList* drvImages;
        QLabel* lblCurFile;
        QLineEdit* txtCurImage;
        QLabel* lblPreview;
        QFrame* fraPreview;
        QLabel* imgPreview;
        QLabel* lblResize;
        QLabel* lblScrollSize;
        QLabel* lblSmaller;
        std::array<QPushButton*, 3> cmdSize{};
        QLabel* lblLarger;
        QLabel* lblSize;
        QLabel* lblImageStyleMsg;
        std::array<QRadioButton*, 2> optImageStyle{};
        QPushButton* cmdOK;
        QPushButton* cmdCancel;
        QPushButton* cmdTakeFocus;

        void bind(const FormBuilder& form);
    };

    // ImageBrowserView
    std::string shownName(const std::string& name) const override;
    std::string drive() const override;
    bool showDrive(const std::string& drive, bool quietly) override;
    std::string driveOf(const std::string& path) const override;
    std::string folder() const override;
    std::optional<PictureFault> showFolder(const std::string& path) override;
    std::optional<PictureFault> showFiles(const std::string& folder) override;
    std::string chosenFile() const override;
    bool showChosenFile(const std::string& name) override;
    void showTab(int page) override;
    void showPage(int page) override;
    void showPhotoEmphasis(int index, bool emphasised) override;
    void showPhotoFocus(int index) override;
    std::variant<NaturalSize, PictureFault> loadPreview(const std::string& path) override;
    void showPreview(const PreviewPlacement& placement) override;
    void clearPreview() override;
    void takeFocus() override;
    void close(bool accepted) override;

    void placePhotoFocus();
    int photoIndexOf(const QObject* control) const;

    // From the layout table, in image_browser_layout.cpp.
    void buildControls();
    void connectHandlers();

    Platform& m_platform;
    TwipsGeometry m_twips;
    Controls m_ui;
    QFrame* m_photoFocus = nullptr;
    // The picture loaded for the preview, until it is shown.
    QImage m_preview;
    ImageBrowserController m_controller;
    // The last tab change came from a key on the tab strip, not from the mouse.
    bool m_tabChosenByKey = false;
    // The release that ends a double click is no click of its own.
    bool m_releaseEndsDoubleClick = false;
};

} // namespace varnholt
