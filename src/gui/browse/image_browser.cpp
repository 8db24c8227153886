#include "gui/browse/image_browser.h"

#include "core/common/errors.h"
#include "core/motion/preview_layout.h"
#include "core/motion/size_steps.h"
#include "core/program/browse_texts.h"
#include "gui/browse/file_controls.h"
#include "gui/browse/picture_file.h"
#include "gui/widgets/palette.h"
#include "gui/widgets/text_style.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>

#include <utility>

namespace varnholt {

ImageBrowser::ImageBrowser(ProgramState& state, std::function<void()> refreshImagePane, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      imageSelection(state.imageSelection),
      ActualWidth(state.browse.ActualWidth),
      ActualHeight(state.browse.ActualHeight),
      m_refreshImagePane(std::move(refreshImagePane)),
      m_twips(state.services.platform.screen())
{
    setModal(true);
    buildControls();
    connectHandlers();
    load();
}

void ImageBrowser::connectHandlers()
{
    connect(tbsImages, &QTabBar::currentChanged, this, [this] { onTabClicked(); });
    connect(dirImages, &FolderList::changed, this, [this] { onFolderChanged(); });
    connect(dirImages, &FolderList::openRequested, this,
            [this](const QByteArray& path) { openFolder(path.toStdString()); });
    connect(flbFiles, &FileList::fileClicked, this, [this] { onFileClicked(); });
    connect(flbFiles, &QListWidget::itemDoubleClicked, this, [this] { onFileDoubleClicked(); });
    connect(flbFiles, &FileList::chosen, this, &ImageBrowser::onFileDoubleClicked);
    connect(drvImages, &QComboBox::currentIndexChanged, this, [this] { onDriveChanged(); });
    for (int index = SizeDecrease; index <= SizeIncrease; ++index)
        connect(cmdSize[index], &QPushButton::clicked, this, [this, index] { onSizeClicked(index); });
    for (int index = 0; index < 2; ++index) {
        connect(optImageStyle[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked)
                onImageStyleClicked(index);
        });
    }
    connect(cmdOK, &QPushButton::clicked, this, [this] { onOkClicked(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { onCancelClicked(); });
}

void ImageBrowser::load()
{
    Loading = true;
    setWindowTitle(QStringLiteral("Browse for Images - ") + QString::fromUtf8(ProgramTitle));
    if (imageSelection.ImageStyle == BaseImage || imageSelection.ImageStyle == FileImage)
        optImageStyle[imageSelection.ImageStyle]->setChecked(true);
    cmdTakeFocus->lower();
    for (int i = 1; i <= ilsImages.count(); ++i) {
        imgPhotos[i]->setPixmap(ilsImages.picture(i));
        lblPhotos[i]->setText(ilsImages.tag(i));
    }
    highlightPhoto(imageSelection.ImageIndex, true);
    try {
        loadStoredChoice();
    } catch (const RuntimeError& error) {
        if (error.number() == ErrFileNotFound || error.number() == ErrPathNotFound)
            openStoredDrive();
        else
            m_state.services.platform.messageBox(errorNumberText(error.number(), error.description()),
                                                 MessageIcon::None);
    }
    Loading = false;
}

void ImageBrowser::loadStoredChoice()
{
    drvImages->setDrive(imageSelection.ImageDrive);
    dirImages->setPath(imageSelection.ImagePath);
    flbFiles->setPath(dirImages->path());
    if (flbFiles->select(imageSelection.ImageName)) {
        showPreview(imageSelection.ImagePath, imageSelection.ImageName);
        showSizeCaptions(true);
    } else {
        txtCurImage->setText(QStringLiteral("No Image"));
        showSizeCaptions(false);
    }
    if (imageSelection.ImageStyle == BaseImage || imageSelection.ImageStyle == FileImage) {
        tbsImages->setCurrentIndex(imageSelection.ImageStyle);
        showPage(imageSelection.ImageStyle);
    }
}

// The stored folder or file is gone: open the stored drive instead, without a word.
void ImageBrowser::openStoredDrive()
{
    try {
        dirImages->setPath(imageSelection.ImageDrive);
    } catch (const RuntimeError&) {
        dirImages->setPath("/");
    }
    drvImages->setDrive(drvImages->driveOf(dirImages->path()));
    flbFiles->setPath(dirImages->path());
    emptyPreview();
}

void ImageBrowser::reject()
{
    onCancelClicked();
}

bool ImageBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == tbsImages) {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::Wheel)
            m_tabChosenByKey = type == QEvent::KeyPress;
        return QDialog::eventFilter(watched, event);
    }
    if (watched == fraImages[0]) {
        if (event->type() == QEvent::KeyPress && photoKeyPressed(static_cast<QKeyEvent*>(event)))
            return true;
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
            placePhotoFocus();
        return QDialog::eventFilter(watched, event);
    }
    const int index = photoIndexOf(watched);
    const bool mouseUpOrDouble = event->type() == QEvent::MouseButtonRelease
        || event->type() == QEvent::MouseButtonDblClick;
    if (index == 0 || !mouseUpOrDouble)
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::MouseButtonDblClick) {
        m_releaseEndsDoubleClick = true;
        if (mouse->button() == Qt::LeftButton)
            onPhotoDoubleClicked(index);
        return true;
    }
    const bool endsDoubleClick = std::exchange(m_releaseEndsDoubleClick, false);
    const bool inside = static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
    if (!endsDoubleClick && inside && mouse->button() == Qt::LeftButton)
        onPhotoClicked(index);
    return true;
}

void ImageBrowser::onTabClicked()
{
    showPage(tbsImages->currentIndex());
    // A tab chosen by the arrow keys keeps the focus, so that the keyboard user still sees it.
    if (!std::exchange(m_tabChosenByKey, false) && !Loading)
        cmdTakeFocus->setFocus();
}

void ImageBrowser::onImageStyleClicked(int Index)
{
    if (Loading)
        return;
    imageSelection.ImageStyle = std::int16_t(Index);
    tbsImages->setCurrentIndex(Index);
}

void ImageBrowser::onPhotoClicked(int Index)
{
    highlightPhoto(imageSelection.ImageIndex, false);
    imageSelection.ImageIndex = std::int16_t(Index);
    imageSelection.ImageTag = ilsImages.tag(Index).toStdString();
    highlightPhoto(Index, true);
    placePhotoFocus();
}

void ImageBrowser::onPhotoDoubleClicked(int Index)
{
    onPhotoClicked(Index);
    imageSelection.ImageStyle = BaseImage;
    onOkClicked();
}

void ImageBrowser::onFileClicked()
{
    const std::string fileName = flbFiles->fileName();
    if (Loading || fileName.empty())
        return;
    imageSelection.ImageDrive = drvImages->drive();
    imageSelection.ImagePath = dirImages->path();
    try {
        flbFiles->setPath(dirImages->path());
        if (fileName == imageSelection.ImageName)
            return;
        clearPreview();
        // The store holds one line per key: such a name would come back as another.
        if (fileName.find_first_of("\r\n") != std::string::npos)
            throw RuntimeError(ErrInvalidPicture);
        imageSelection.ImageName = fileName;
        showPreview(imageSelection.ImagePath, imageSelection.ImageName);
        showSizeCaptions(true);
    } catch (const RuntimeError& error) {
        clearPreview();
        refuse(pictureRefusedText(shownName(fileName).toStdString(), error.number(), error.description()));
    }
}

void ImageBrowser::onFileDoubleClicked()
{
    onFileClicked();
    imageSelection.ImageStyle = FileImage;
    onOkClicked();
}

void ImageBrowser::onDriveChanged()
{
    if (Loading)
        return;
    const std::string drive = drvImages->drive();
    if (drvImages->driveOf(dirImages->path()) != drive) {
        try {
            dirImages->setPath(drive);
        } catch (const RuntimeError& error) {
            refuse(folderRefusedText(shownName(drive).toStdString(), error.number(), error.description()));
            const QSignalBlocker blocker(drvImages);
            drvImages->setDrive(drvImages->driveOf(dirImages->path()));
            return;
        }
    }
    clearPreview();
}

void ImageBrowser::onFolderChanged()
{
    if (Loading)
        return;
    drvImages->setDrive(drvImages->driveOf(dirImages->path()));
    try {
        flbFiles->setPath(dirImages->path());
    } catch (const RuntimeError& error) {
        refuse(folderRefusedText(shownName(dirImages->path()).toStdString(), error.number(), error.description()));
    }
    clearPreview();
}

void ImageBrowser::openFolder(const std::string& path)
{
    try {
        dirImages->setPath(path);
    } catch (const RuntimeError& error) {
        refuse(folderRefusedText(shownName(path).toStdString(), error.number(), error.description()));
    }
}

void ImageBrowser::onOkClicked()
{
    if (imageSelection.ImageStyle == FileImage && imageSelection.ImageName.empty()) {
        refuse(fileImageRequiredText());
        return;
    }
    if (m_refreshImagePane)
        m_refreshImagePane();
    done(Accepted);
}

void ImageBrowser::onCancelClicked()
{
    imageSelection = m_state.settings.picture;
    if (m_refreshImagePane)
        m_refreshImagePane();
    done(Rejected);
}

void ImageBrowser::onSizeClicked(int Index)
{
    const SizeStepOutcome outcome = pressSizeButton(imageSelection.ImageSize, Index, ActualWidth, ActualHeight,
                                                    m_twips.screen());
    if (outcome.refusal != SizeRefusal::None)
        m_state.services.platform.messageBox(sizeRefusalText(outcome.refusal), MessageIcon::Information);
    imageSelection.ImageSize = outcome.step;
    if (outcome.refusal == SizeRefusal::None)
        showSizeCaptions(true);
    cmdTakeFocus->setFocus();
}

void ImageBrowser::showPreview(std::string& folder, const std::string& fileName)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    const QImage picture = loadPictureFile(folder + fileName);
    const PreviewPlacement placement = placePreview(picture.width(), picture.height(), m_twips.screen());
    const QSize shown(m_twips.toPixelsX(placement.width), m_twips.toPixelsY(placement.height));
    // Scaled once here, so that a large file is not kept at full size.
    imgPreview->setPixmap(QPixmap::fromImage(
        placement.reduced ? picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : picture));
    imgPreview->setScaledContents(placement.reduced);
    imgPreview->resize(shown);
    txtCurImage->setText(shownName(fileName));
    imageSelection.ImageName = fileName;
    ActualWidth = placement.actualWidth;
    ActualHeight = placement.actualHeight;
    lblPreview->setText(text(placement.caption));
}

void ImageBrowser::clearPreview()
{
    if (!Loading)
        emptyPreview();
}

void ImageBrowser::emptyPreview()
{
    imgPreview->setScaledContents(false);
    imgPreview->clear();
    lblPreview->setText(QStringLiteral("Preview"));
    txtCurImage->setText(QStringLiteral("No Image"));
    imageSelection.ImageName.clear();
    imageSelection.ImageSize = 1;
    showSizeCaptions(false);
}

void ImageBrowser::showSizeCaptions(bool previewed)
{
    const SizeCaptions captions = sizeCaptions(previewed, imageSelection.ImageSize, ActualWidth, ActualHeight);
    lblSize->setText(text(captions.lblSize));
    lblScrollSize->setText(text(captions.lblScrollSize));
}

void ImageBrowser::showPage(int page)
{
    fraImages[page]->show();
    fraImages[page]->raise();
    // The page behind is hidden as well, so that no key reaches its controls.
    fraImages[1 - page]->hide();
}

void ImageBrowser::highlightPhoto(int index, bool highlighted)
{
    if (index >= 1 && index <= BuiltinPictureCount)
        emphasise(lblPhotos[index], highlighted);
}

// Left and Right step through the pictures in reading order, Up and Down by a row; Space or Return
// chooses, as a double click does.
bool ImageBrowser::photoKeyPressed(const QKeyEvent* event)
{
    const int index = imageSelection.ImageIndex;
    const bool shown = index >= 1 && index <= BuiltinPictureCount;
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (shown)
            onPhotoDoubleClicked(index);
        return true;
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Right:
        step = 1;
        break;
    case Qt::Key_Up:
        step = -3;
        break;
    case Qt::Key_Down:
        step = 3;
        break;
    default:
        return false;
    }
    const int next = shown ? index + step : 1;
    if (next >= 1 && next <= BuiltinPictureCount && next != index)
        onPhotoClicked(next);
    return true;
}

void ImageBrowser::placePhotoFocus()
{
    const int index = imageSelection.ImageIndex;
    const bool shown = index >= 1 && index <= BuiltinPictureCount && fraImages[0]->hasFocus();
    if (shown) {
        const int margin = 3;
        m_photoFocus->setGeometry(imgPhotos[index]
                                      ->geometry()
                                      .united(lblPhotos[index]->geometry())
                                      .adjusted(-margin, -margin, margin, margin));
    }
    m_photoFocus->setVisible(shown);
}

int ImageBrowser::photoIndexOf(const QObject* control) const
{
    for (int i = 1; i <= BuiltinPictureCount; ++i) {
        if (control == imgPhotos[i] || control == lblPhotos[i])
            return i;
    }
    return 0;
}

void ImageBrowser::refuse(const std::string& text)
{
    m_state.services.platform.messageBox(text, MessageIcon::Critical);
}

} // namespace varnholt
