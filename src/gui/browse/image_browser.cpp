// SPDX-License-Identifier: MIT
#include "gui/browse/image_browser.h"

#include "core/common/program_info.h"
#include "gui/browse/file_controls.h"
#include "gui/widgets/control_states.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/palette.h"
#include "platform/pictures/picture_file.h"

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

ImageBrowser::ImageBrowser(const PictureChoice& choice, PreviewSize previewSize, Platform& platform, Log& log,
                           QWidget* parent)
    : QDialog(parent),
      WidgetFormView(*this, platform),
      m_platform(platform),
      m_twips(platform.screen()),
      m_controller(*this, choice, previewSize, platform.screen(), platform.pathStyle(), log)
{
    setModal(true);
    buildControls();
    connectHandlers();
    setWindowTitle(QStringLiteral("Browse for Images - ") + QString::fromUtf8(ProgramTitle));
    m_ui.cmdTakeFocus->lower();
    for (int i = 1; i <= BuiltinPictureCount; ++i) {
        m_ui.imgPhotos[i]->setPixmap(builtinPicture(i));
        m_ui.lblPhotos[i]->setText(QString::fromStdString(builtinPictureTag(i)));
    }
    m_controller.load();
}

void ImageBrowser::connectHandlers()
{
    ImageBrowserController& c = m_controller;
    connect(m_ui.tbsImages, &QTabBar::currentChanged, this,
            [this](int index) { m_controller.tabChosen(index, std::exchange(m_tabChosenByKey, false)); });
    connect(m_ui.dirImages, &FolderList::changed, this, [&c] { c.folderChanged(); });
    connect(m_ui.dirImages, &FolderList::openRequested, this,
            [&c](const QByteArray& path) { c.folderOpened(path.toStdString()); });
    connect(m_ui.flbFiles, &FileList::fileClicked, this, [&c] { c.fileChosen(); });
    connect(m_ui.flbFiles, &QListWidget::itemDoubleClicked, this, [&c] { c.fileDoubleClicked(); });
    connect(m_ui.flbFiles, &FileList::chosen, this, [&c] { c.fileDoubleClicked(); });
    connect(m_ui.drvImages, &QComboBox::currentIndexChanged, this, [&c] { c.driveChosen(); });
    for (int index = 0; index < int(m_ui.cmdSize.size()); ++index)
        connect(m_ui.cmdSize[index], &QPushButton::clicked, this, [&c, index] { c.sizeStepPressed(index); });
    for (int index = 0; index < 2; ++index) {
        connect(m_ui.optImageStyle[index], &QRadioButton::toggled, this, [&c, index](bool checked) {
            if (checked)
                c.imageStyleChosen(index);
        });
    }
    connect(m_ui.cmdOK, &QPushButton::clicked, this, [&c] { c.okClicked(); });
    connect(m_ui.cmdCancel, &QPushButton::clicked, this, [&c] { c.cancelClicked(); });
}

void ImageBrowser::reject()
{
    m_controller.cancelClicked();
}

bool ImageBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui.tbsImages) {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress || type == QEvent::MouseButtonPress || type == QEvent::Wheel)
            m_tabChosenByKey = type == QEvent::KeyPress;
        return QDialog::eventFilter(watched, event);
    }
    if (watched == m_ui.fraImages[0]) {
        if (event->type() == QEvent::KeyPress) {
            static const std::pair<int, PhotoKey> keys[] = {
                {Qt::Key_Space, PhotoKey::Choose}, {Qt::Key_Return, PhotoKey::Choose},
                {Qt::Key_Enter, PhotoKey::Choose}, {Qt::Key_Left, PhotoKey::Left},
                {Qt::Key_Right, PhotoKey::Right},  {Qt::Key_Up, PhotoKey::Up},
                {Qt::Key_Down, PhotoKey::Down}};
            const int pressed = static_cast<QKeyEvent*>(event)->key();
            for (const auto& [key, photoKey] : keys) {
                if (key == pressed)
                    return m_controller.photoKeyPressed(photoKey);
            }
        }
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
            m_controller.photoDoubleClicked(index);
        return true;
    }
    const bool endsDoubleClick = std::exchange(m_releaseEndsDoubleClick, false);
    const bool inside = static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
    if (!endsDoubleClick && inside && mouse->button() == Qt::LeftButton)
        m_controller.photoClicked(index);
    return true;
}

std::string ImageBrowser::shownName(const std::string& name) const
{
    return varnholt::shownName(name).toStdString();
}

std::string ImageBrowser::drive() const
{
    return m_ui.drvImages->drive();
}

bool ImageBrowser::showDrive(const std::string& drive, bool quietly)
{
    const QSignalBlocker blocker(quietly ? m_ui.drvImages : nullptr);
    return m_ui.drvImages->setDrive(drive);
}

std::string ImageBrowser::driveOf(const std::string& path) const
{
    return m_ui.drvImages->driveOf(path);
}

std::string ImageBrowser::folder() const
{
    return m_ui.dirImages->path();
}

std::optional<PictureFault> ImageBrowser::showFolder(const std::string& path)
{
    return m_ui.dirImages->setPath(path);
}

std::optional<PictureFault> ImageBrowser::showFiles(const std::string& folder)
{
    return m_ui.flbFiles->setPath(folder);
}

std::string ImageBrowser::chosenFile() const
{
    return m_ui.flbFiles->fileName();
}

bool ImageBrowser::showChosenFile(const std::string& name)
{
    return m_ui.flbFiles->select(name);
}

void ImageBrowser::showTab(int page)
{
    m_ui.tbsImages->setCurrentIndex(page);
}

void ImageBrowser::showPage(int page)
{
    m_ui.fraImages[page]->show();
    m_ui.fraImages[page]->raise();
    // The page behind is hidden as well, so that no key reaches its controls.
    m_ui.fraImages[1 - page]->hide();
}

void ImageBrowser::showPhotoEmphasis(int index, bool emphasised)
{
    emphasise(m_ui.lblPhotos[index], emphasised);
}

void ImageBrowser::showPhotoFocus(int)
{
    placePhotoFocus();
}

std::variant<NaturalSize, PictureFault> ImageBrowser::loadPreview(const std::string& path)
{
    auto read = readPictureFile(path);
    if (auto* fault = std::get_if<PictureFault>(&read))
        return std::move(*fault);
    m_preview = std::get<QImage>(std::move(read));
    return NaturalSize{m_preview.width(), m_preview.height()};
}

void ImageBrowser::showPreview(const PreviewPlacement& placement)
{
    const QSize shown(m_twips.toPixelsX(placement.width), m_twips.toPixelsY(placement.height));
    // Scaled once here, so that a large file is not kept at full size.
    m_ui.imgPreview->setPixmap(QPixmap::fromImage(
        placement.reduced ? m_preview.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : m_preview));
    m_preview = QImage();
    m_ui.imgPreview->setScaledContents(placement.reduced);
    m_ui.imgPreview->resize(shown);
}

void ImageBrowser::clearPreview()
{
    m_ui.imgPreview->setScaledContents(false);
    m_ui.imgPreview->clear();
}

void ImageBrowser::takeFocus()
{
    m_ui.cmdTakeFocus->setFocus();
}

void ImageBrowser::close(bool accepted)
{
    done(accepted ? Accepted : Rejected);
}

void ImageBrowser::placePhotoFocus()
{
    const int index = m_controller.choice().ImageIndex;
    const bool shown = index >= 1 && index <= BuiltinPictureCount && m_ui.fraImages[0]->hasFocus();
    if (shown) {
        const int margin = 3;
        m_photoFocus->setGeometry(m_ui.imgPhotos[index]
                                      ->geometry()
                                      .united(m_ui.lblPhotos[index]->geometry())
                                      .adjusted(-margin, -margin, margin, margin));
    }
    m_photoFocus->setVisible(shown);
}

int ImageBrowser::photoIndexOf(const QObject* control) const
{
    for (int i = 1; i <= BuiltinPictureCount; ++i) {
        if (control == m_ui.imgPhotos[i] || control == m_ui.lblPhotos[i])
            return i;
    }
    return 0;
}

} // namespace varnholt
