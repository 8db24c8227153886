#pragma once

#include "core/motion/builtin_pictures.h"
#include "core/program/program_state.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/twips_geometry.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabBar;

namespace varnholt {

class DriveList;
class FileList;
class FolderList;

// The modal image browser: picks a built-in picture or a picture file with its
// size step, working on imageSelection only.
class ImageBrowser final : public QDialog {
    Q_OBJECT

public:
    // refreshImagePane refreshes the settings dialog's image pane; it runs before OK or Cancel closes.
    ImageBrowser(ProgramState& state, std::function<void()> refreshImagePane, QWidget* parent = nullptr);

    ImageList ilsImages;

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

public slots:
    // Escape and the window's close button count as Cancel.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void loadStoredChoice();
    void openStoredDrive();

    void onTabClicked();
    void onImageStyleClicked(int Index);
    void onPhotoClicked(int Index);
    void onPhotoDoubleClicked(int Index);
    void onFileClicked();
    void onFileDoubleClicked();
    void onDriveChanged();
    void onFolderChanged();
    void openFolder(const std::string& path);
    void onOkClicked();
    void onCancelClicked();
    void onSizeClicked(int Index);

    void showPreview(std::string& folder, const std::string& fileName);
    void clearPreview();
    void emptyPreview();
    void showSizeCaptions(bool previewed);

    void showPage(int page);
    void highlightPhoto(int index, bool highlighted);
    bool photoKeyPressed(const QKeyEvent* event);
    void placePhotoFocus();
    int photoIndexOf(const QObject* control) const;
    void refuse(const std::string& text);

    // From the layout table, in image_browser_layout.cpp.
    void buildControls();
    void connectHandlers();

    ProgramState& m_state;
    PictureChoice& imageSelection;
    std::int16_t& ActualWidth;
    std::int16_t& ActualHeight;
    std::function<void()> m_refreshImagePane;
    TwipsGeometry m_twips;
    QFrame* m_photoFocus = nullptr;
    bool Loading = false;
    // The last tab change came from a key on the tab strip, not from the mouse.
    bool m_tabChosenByKey = false;
    // The release that ends a double click is no click of its own.
    bool m_releaseEndsDoubleClick = false;
};

} // namespace varnholt
