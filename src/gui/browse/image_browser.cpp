#include "gui/browse/image_browser.h"

#include "core/program/browse_texts.h"
#include "gui/browse/file_controls.h"
#include "core/motion/preview_layout.h"
#include "core/motion/size_steps.h"
#include "core/common/errors.h"
#include "core/common/numbers.h"
#include "gui/browse/picture_file.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include <utility>

namespace varnholt {

namespace {

constexpr int FormWidth = 9024;
constexpr int TabStripLeft = 108;
constexpr int TabStripTop = 72;
constexpr int TabStripWidth = 8808;
constexpr int TabStripHeight = 5412;
constexpr int ButtonHeight = 384;
// The design's window height counts its title bar and borders; Qt sizes the client area.
constexpr int NonClientHeight = 450;

constexpr std::array<int, 3> PhotoLefts{396, 3192, 5976};
constexpr std::array<int, 3> PhotoTops{252, 1788, 3432};
constexpr std::array<int, 3> CaptionTops{1392, 2952, 4572};

const QColor DarkBlue(0x00, 0x00, 0xC0);

// The page area of the tab strip, drawn as the style draws a tab widget's frame.
class TabPane final : public QWidget {
public:
    TabPane(QWidget* parent, int tabBarHeight) : QWidget(parent), m_tabBarHeight(tabBarHeight) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        option.rect = rect().adjusted(0, m_tabBarHeight - 1, 0, 0);
        option.shape = QTabBar::RoundedNorth;
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
    }

private:
    int m_tabBarHeight;
};

void emphasise(QWidget* control, bool darkBlueBold)
{
    QFont font = control->font();
    font.setBold(darkBlueBold);
    control->setFont(font);
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, darkBlueBold ? DarkBlue : QColor(Qt::black));
    control->setPalette(palette);
}

void makeBold(QWidget* control)
{
    QFont font = control->font();
    font.setBold(true);
    control->setFont(font);
}

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

} // namespace

ImageBrowser::ImageBrowser(ProgramState& state, std::function<void()> refreshImagePane, QWidget* parent)
    : QDialog(parent),
      m_state(state),
      imageSelection(state.imageSelection),
      ActualWidth(state.browse.ActualWidth),
      ActualHeight(state.browse.ActualHeight),
      m_refreshImagePane(std::move(refreshImagePane)),
      m_screen(state.services.platform.screen()),
      m_twips(m_screen)
{
    setObjectName(QStringLiteral("frmBrowse"));
    setModal(true);
    // The twips boxes were measured for a narrow 8-point face; wide default faces clip the captions.
    setFont(QFont(QStringLiteral("Arial"), 8));

    buildTabStrip();
    buildPhotoPage();
    buildFilePage();
    buildStyleAndButtons();
    load();
}

void ImageBrowser::buildTabStrip()
{
    cmdTakeFocus = makeButton(this, "cmdTakeFocus", "TakeFocus", "", 3708, 108, 1092, 228);
    tbsImages = new QTabBar(this);
    tbsImages->setObjectName(QStringLiteral("tbsImages"));
    tbsImages->setExpanding(false);
    tbsImages->addTab(QStringLiteral("  Base Images  "));
    tbsImages->addTab(QStringLiteral("  File Images  "));
    tbsImages->setTabToolTip(0, QStringLiteral(" Select Base Images "));
    tbsImages->setTabToolTip(1, QStringLiteral(" Select File Images "));
    const int tabBarHeight = tbsImages->sizeHint().height();
    auto* pane = new TabPane(this, tabBarHeight);
    // Filled, so that cmdTakeFocus stays hidden behind the strip.
    pane->setAutoFillBackground(true);
    m_twips.place(pane, TabStripLeft, TabStripTop, TabStripWidth, TabStripHeight);
    tbsImages->setGeometry(pane->x(), pane->y(), pane->width(), tabBarHeight);
    tbsImages->raise();
    connect(tbsImages, &QTabBar::currentChanged, this, [this] { onTabClicked(); });

    for (int page = 0; page < 2; ++page) {
        fraImages[page] = new QFrame(this);
        fraImages[page]->setObjectName(QStringLiteral("fraImages%1").arg(page));
        fraImages[page]->setFrameShape(QFrame::Box);
        fraImages[page]->setAutoFillBackground(true);
        m_twips.place(fraImages[page], 144, 432, 8724, 5016);
    }
    // Page 1 stands beside page 0, as designed, until start-up lays it over page 0.
    fraImages[1]->move(fraImages[0]->x() + fraImages[0]->width(), fraImages[0]->y());
    showPage(0);
}

void ImageBrowser::buildPhotoPage()
{
    for (int i = 1; i <= BuiltinPictureCount; ++i) {
        const int column = (i - 1) % 3;
        const int row = (i - 1) / 3;
        const QByteArray number = QByteArray::number(i);
        imgPhotos[i] = makeLabel(fraImages[0], ("imgPhotos" + number).constData(), "", PhotoLefts[column],
                                 PhotoTops[row], 2256, 1128);
        imgPhotos[i]->setScaledContents(true);
        lblPhotos[i] = makeLabel(fraImages[0], ("lblPhotos" + number).constData(), "", PhotoLefts[column],
                                 CaptionTops[row], 2256, 252);
        lblPhotos[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        for (QLabel* control : {imgPhotos[i], lblPhotos[i]}) {
            control->setCursor(Qt::PointingHandCursor);
            control->installEventFilter(this);
        }
    }
}

void ImageBrowser::buildFilePage()
{
    QWidget* page = fraImages[1];
    lblFolders = makeLabel(page, "lblFolders", "Folders", 168, 144, 1812, 252);
    dirImages = new FolderList(page);
    dirImages->setObjectName(QStringLiteral("dirImages"));
    dirImages->setToolTip(QStringLiteral(" Double Click to change folder "));
    m_twips.place(dirImages, 108, 420, 2268, 3744);
    connect(dirImages, &FolderList::changed, this, [this] { onFolderChanged(); });
    connect(dirImages, &FolderList::openRequested, this, [this](const QString& path) { openFolder(path); });

    lblFiles = makeLabel(page, "lblFiles", "Files (.bmp,.gif,.jpg,.wmf)", 2544, 144, 2172, 252);
    flbFiles = new FileList(page);
    flbFiles->setObjectName(QStringLiteral("flbFiles"));
    flbFiles->setToolTip(QStringLiteral(" Click to select or Double Click to choose "));
    m_twips.place(flbFiles, 2484, 420, 2232, 3528);
    connect(flbFiles, &FileList::Click, this, [this] { onFileClicked(); });
    connect(flbFiles, &QListWidget::itemDoubleClicked, this, [this] { onFileDoubleClicked(); });

    lblDrives = makeLabel(page, "lblDrives", "Drives:", 156, 4248, 504, 192);
    lblDrives->setAlignment(Qt::AlignRight | Qt::AlignTop);
    drvImages = new DriveList(page);
    drvImages->setObjectName(QStringLiteral("drvImages"));
    m_twips.place(drvImages, 108, 4488, 2244, 288);
    connect(drvImages, &QComboBox::currentIndexChanged, this, [this] { onDriveChanged(); });

    lblCurFile = makeLabel(page, "lblCurFile", "Image File:", 2544, 4248, 792, 192);
    txtCurImage = new QLineEdit(QStringLiteral("No Image"), page);
    txtCurImage->setObjectName(QStringLiteral("txtCurImage"));
    txtCurImage->setReadOnly(true);
    m_twips.place(txtCurImage, 2484, 4488, 2220, 288);
    buildPreview(page);
}

void ImageBrowser::buildPreview(QWidget* page)
{
    lblPreview = makeLabel(page, "lblPreview", "Preview", 4944, 144, 3576, 192);
    fraPreview = new QFrame(page);
    fraPreview->setObjectName(QStringLiteral("fraPreview"));
    fraPreview->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_twips.place(fraPreview, 4884, 324, int(PreviewFrameWidth), int(PreviewFrameHeight));
    imgPreview = makeLabel(fraPreview, "imgPreview", "", 36, 132, 3636, 3576);

    lblResize = makeLabel(page, "lblResize", "ScreenSaver Image Size:", 4884, 4140, 2208, 192);
    lblScrollSize = makeLabel(page, "lblScrollSize", "", 7092, 4140, 1272, 192);
    lblSmaller = makeLabel(page, "lblSmaller", "Smaller", 5376, 4488, 552, 192);
    cmdSize[SizeDecrease] = makeButton(page, "cmdSize0", "", " Decrease Image Size ", 6024, 4440, 636, 252);
    cmdSize[SizeActual] = makeButton(page, "cmdSize1", "", " Use Actual Size ", 6648, 4440, 240, 252);
    cmdSize[SizeIncrease] = makeButton(page, "cmdSize2", "", " Increase Image Size ", 6876, 4440, 636, 252);
    const std::array<const char*, 3> pictures{"size_smaller", "size_actual", "size_larger"};
    for (int index = 0; index < 3; ++index) {
        const QPixmap picture = renderSvg(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(pictures[index])));
        cmdSize[index]->setIcon(picture);
        cmdSize[index]->setIconSize(picture.size());
        connect(cmdSize[index], &QPushButton::clicked, this, [this, index] { onSizeClicked(index); });
    }
    lblLarger = makeLabel(page, "lblLarger", "Larger", 7596, 4488, 552, 192);
    lblSize = makeLabel(page, "lblSize", "", 5904, 4728, 1716, 192);
    lblSize->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    makeBold(lblResize);
    makeBold(lblScrollSize);
    emphasise(lblSize, true);
}

void ImageBrowser::buildStyleAndButtons()
{
    lblImageStyleMsg = makeLabel(this, "lblImageStyleMsg", "Select Image Style:", 105, 5730, 2085, 270);
    emphasise(lblImageStyleMsg, true);
    const std::array<const char*, 2> captions{"Use Base Image", "Use File Image"};
    const std::array<int, 2> lefts{2250, 4110};
    for (int index = 0; index < 2; ++index) {
        optImageStyle[index] = new QRadioButton(QString::fromLatin1(captions[index]), this);
        optImageStyle[index]->setObjectName(QStringLiteral("optImageStyle%1").arg(index));
        emphasise(optImageStyle[index], true);
        m_twips.place(optImageStyle[index], lefts[index], 5724, 1812, 264);
        connect(optImageStyle[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked)
                onImageStyleClicked(index);
        });
    }
    cmdOK = makeButton(this, "cmdOK", "OK", " Remember Settings and Exit ", 5988, 5688, 1392, ButtonHeight);
    cmdCancel = makeButton(this, "cmdCancel", "Cancel", " Cancel any changes and Exit ", 7524, 5688, 1392,
                           ButtonHeight);
    connect(cmdOK, &QPushButton::clicked, this, [this] { onOkClicked(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { onCancelClicked(); });
}

void ImageBrowser::load()
{
    Loading = true;
    setWindowTitle(QStringLiteral("Browse for Images - ") + QString::fromUtf8(ProgramTitle));
    setFixedSize(m_twips.toPixelsX(FormWidth),
                 m_twips.toPixelsY(TabStripHeight + ButtonHeight + 900 - NonClientHeight));
    fraImages[1]->move(fraImages[0]->pos());
    for (QFrame* page : fraImages)
        page->setFrameShape(QFrame::NoFrame);
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
    drvImages->setDrive(text(imageSelection.ImageDrive));
    dirImages->setPath(text(imageSelection.ImagePath));
    flbFiles->setPath(dirImages->path());
    if (flbFiles->select(text(imageSelection.ImageName))) {
        showPreview(imageSelection.ImagePath, imageSelection.ImageName);
        txtCurImage->setText(text(imageSelection.ImageName));
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
        dirImages->setPath(text(imageSelection.ImageDrive));
    } catch (const RuntimeError&) {
        dirImages->setPath(QStringLiteral("/"));
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
    const int index = photoIndexOf(watched);
    const bool mouseUpOrDouble =
        event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick;
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
    if (!Loading)
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
}

void ImageBrowser::onPhotoDoubleClicked(int Index)
{
    onPhotoClicked(Index);
    imageSelection.ImageStyle = BaseImage;
    onOkClicked();
}

void ImageBrowser::onFileClicked()
{
    const std::string fileName = flbFiles->fileName().toStdString();
    if (Loading || fileName.empty())
        return;
    imageSelection.ImageDrive = drvImages->drive().toStdString();
    imageSelection.ImagePath = dirImages->path().toStdString();
    try {
        flbFiles->setPath(dirImages->path());
        if (fileName == imageSelection.ImageName)
            return;
        clearPreview();
        imageSelection.ImageName = fileName;
        showPreview(imageSelection.ImagePath, imageSelection.ImageName);
        showSizeCaptions(true);
    } catch (const RuntimeError& error) {
        clearPreview();
        refuse(pictureRefusedText(fileName, error.number(), error.description()));
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
    const QString drive = drvImages->drive();
    if (drvImages->driveOf(dirImages->path()) != drive) {
        try {
            dirImages->setPath(drive);
        } catch (const RuntimeError& error) {
            refuse(folderRefusedText(drive.toStdString(), error.number(), error.description()));
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
        refuse(folderRefusedText(dirImages->path().toStdString(), error.number(), error.description()));
    }
    clearPreview();
}

void ImageBrowser::openFolder(const QString& path)
{
    try {
        dirImages->setPath(path);
    } catch (const RuntimeError& error) {
        refuse(folderRefusedText(path.toStdString(), error.number(), error.description()));
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
    const SizeStepOutcome outcome =
        pressSizeButton(imageSelection.ImageSize, Index, ActualWidth, ActualHeight, m_screen);
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
    const QImage picture = loadPictureFile(text(folder + fileName));
    const PreviewPlacement placement = placePreview(picture.width(), picture.height(), m_screen);
    const QSize shown(int(roundHalfEven(placement.width / m_screen.twipsPerPixelX)),
                      int(roundHalfEven(placement.height / m_screen.twipsPerPixelY)));
    // Scaled once here, so that a large file is not kept at full size.
    imgPreview->setPixmap(QPixmap::fromImage(
        placement.reduced ? picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : picture));
    imgPreview->setScaledContents(placement.reduced);
    imgPreview->resize(shown);
    txtCurImage->setText(text(fileName));
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

QLabel* ImageBrowser::makeLabel(QWidget* parent, const char* name, const char* text, int left, int top, int width,
                             int height)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_twips.place(label, left, top, width, height);
    return label;
}

QPushButton* ImageBrowser::makeButton(QWidget* parent, const char* name, const char* text, const char* toolTip,
                                   int left, int top, int width, int height)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromUtf8(toolTip));
    m_twips.place(button, left, top, width, height);
    return button;
}

} // namespace varnholt
