#include "browse/frm_browse.h"

#include "browse/browse_texts.h"
#include "browse/file_controls.h"
#include "browse/preview_layout.h"
#include "browse/size_steps.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "saver/picture_file.h"

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

frmBrowse::frmBrowse(General& general, std::function<void()> chkImage_Click, QWidget* parent)
    : QDialog(parent),
      m_general(general),
      ImageSelection(general.ImageSelection),
      ActualWidth(general.browse.ActualWidth),
      ActualHeight(general.browse.ActualHeight),
      m_chkImage_Click(std::move(chkImage_Click)),
      m_screen(general.services.platform.screen()),
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
    Form_Load();
}

void frmBrowse::buildTabStrip()
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
    connect(tbsImages, &QTabBar::currentChanged, this, [this] { tbsImages_Click(); });

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

void frmBrowse::buildPhotoPage()
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

void frmBrowse::buildFilePage()
{
    QWidget* page = fraImages[1];
    lblFolders = makeLabel(page, "lblFolders", "Folders", 168, 144, 1812, 252);
    dirImages = new FolderList(page);
    dirImages->setObjectName(QStringLiteral("dirImages"));
    dirImages->setToolTip(QStringLiteral(" Double Click to change folder "));
    m_twips.place(dirImages, 108, 420, 2268, 3744);
    connect(dirImages, &FolderList::changed, this, [this] { dirImages_Change(); });
    connect(dirImages, &FolderList::openRequested, this, [this](const QString& path) { openFolder(path); });

    lblFiles = makeLabel(page, "lblFiles", "Files (.bmp,.gif,.jpg,.wmf)", 2544, 144, 2172, 252);
    flbFiles = new FileList(page);
    flbFiles->setObjectName(QStringLiteral("flbFiles"));
    flbFiles->setToolTip(QStringLiteral(" Click to select or Double Click to choose "));
    m_twips.place(flbFiles, 2484, 420, 2232, 3528);
    connect(flbFiles, &FileList::Click, this, [this] { flbFiles_Click(); });
    connect(flbFiles, &QListWidget::itemDoubleClicked, this, [this] { flbFiles_DblClick(); });

    lblDrives = makeLabel(page, "lblDrives", "Drives:", 156, 4248, 504, 192);
    lblDrives->setAlignment(Qt::AlignRight | Qt::AlignTop);
    drvImages = new DriveList(page);
    drvImages->setObjectName(QStringLiteral("drvImages"));
    m_twips.place(drvImages, 108, 4488, 2244, 288);
    connect(drvImages, &QComboBox::currentIndexChanged, this, [this] { drvImages_Change(); });

    lblCurFile = makeLabel(page, "lblCurFile", "Image File:", 2544, 4248, 792, 192);
    txtCurImage = new QLineEdit(QStringLiteral("No Image"), page);
    txtCurImage->setObjectName(QStringLiteral("txtCurImage"));
    txtCurImage->setReadOnly(true);
    m_twips.place(txtCurImage, 2484, 4488, 2220, 288);
    buildPreview(page);
}

void frmBrowse::buildPreview(QWidget* page)
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
        connect(cmdSize[index], &QPushButton::clicked, this, [this, index] { cmdSize_Click(index); });
    }
    lblLarger = makeLabel(page, "lblLarger", "Larger", 7596, 4488, 552, 192);
    lblSize = makeLabel(page, "lblSize", "", 5904, 4728, 1716, 192);
    lblSize->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    makeBold(lblResize);
    makeBold(lblScrollSize);
    emphasise(lblSize, true);
}

void frmBrowse::buildStyleAndButtons()
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
                optImageStyle_Click(index);
        });
    }
    cmdOK = makeButton(this, "cmdOK", "OK", " Remember Settings and Exit ", 5988, 5688, 1392, ButtonHeight);
    cmdCancel = makeButton(this, "cmdCancel", "Cancel", " Cancel any changes and Exit ", 7524, 5688, 1392,
                           ButtonHeight);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmBrowse::Form_Load()
{
    Loading = true;
    setWindowTitle(QStringLiteral("Browse for Images - ") + QString::fromUtf8(ProgramTitle));
    setFixedSize(m_twips.toPixelsX(FormWidth),
                 m_twips.toPixelsY(TabStripHeight + ButtonHeight + 900 - NonClientHeight));
    fraImages[1]->move(fraImages[0]->pos());
    for (QFrame* page : fraImages)
        page->setFrameShape(QFrame::NoFrame);
    if (ImageSelection.ImageStyle == 0 || ImageSelection.ImageStyle == 1)
        optImageStyle[ImageSelection.ImageStyle]->setChecked(true);
    cmdTakeFocus->lower();
    for (int i = 1; i <= ilsImages.count(); ++i) {
        imgPhotos[i]->setPixmap(ilsImages.picture(i));
        lblPhotos[i]->setText(ilsImages.tag(i));
    }
    highlightPhoto(ImageSelection.ImageIndex, true);
    try {
        loadStoredChoice();
    } catch (const RuntimeError& error) {
        if (error.number() == ErrFileNotFound || error.number() == ErrPathNotFound)
            openStoredDrive();
        else
            m_general.services.platform.messageBox(errorNumberText(error.number(), error.description()),
                                                   MessageIcon::None);
    }
    Loading = false;
}

void frmBrowse::loadStoredChoice()
{
    drvImages->setDrive(text(ImageSelection.ImageDrive));
    dirImages->setPath(text(ImageSelection.ImagePath));
    flbFiles->setPath(dirImages->path());
    if (flbFiles->select(text(ImageSelection.ImageName))) {
        ShowPreview(ImageSelection.ImagePath, ImageSelection.ImageName);
        txtCurImage->setText(text(ImageSelection.ImageName));
        ShowSizeCaptions(true);
    } else {
        txtCurImage->setText(QStringLiteral("No Image"));
        ShowSizeCaptions(false);
    }
    if (ImageSelection.ImageStyle == 0 || ImageSelection.ImageStyle == 1) {
        tbsImages->setCurrentIndex(ImageSelection.ImageStyle);
        showPage(ImageSelection.ImageStyle);
    }
}

// The stored folder or file is gone: open the stored drive instead, without a word.
void frmBrowse::openStoredDrive()
{
    try {
        dirImages->setPath(text(ImageSelection.ImageDrive));
    } catch (const RuntimeError&) {
        dirImages->setPath(QStringLiteral("/"));
    }
    drvImages->setDrive(drvImages->driveOf(dirImages->path()));
    flbFiles->setPath(dirImages->path());
    emptyPreview();
}

void frmBrowse::reject()
{
    cmdCancel_Click();
}

bool frmBrowse::eventFilter(QObject* watched, QEvent* event)
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
            imgPhotos_DblClick(index);
        return true;
    }
    const bool endsDoubleClick = std::exchange(m_releaseEndsDoubleClick, false);
    const bool inside = static_cast<QWidget*>(watched)->rect().contains(mouse->position().toPoint());
    if (!endsDoubleClick && inside && mouse->button() == Qt::LeftButton)
        imgPhotos_Click(index);
    return true;
}

void frmBrowse::tbsImages_Click()
{
    showPage(tbsImages->currentIndex());
    if (!Loading)
        cmdTakeFocus->setFocus();
}

void frmBrowse::optImageStyle_Click(int Index)
{
    if (Loading)
        return;
    ImageSelection.ImageStyle = std::int16_t(Index);
    tbsImages->setCurrentIndex(Index);
}

void frmBrowse::imgPhotos_Click(int Index)
{
    highlightPhoto(ImageSelection.ImageIndex, false);
    ImageSelection.ImageIndex = std::int16_t(Index);
    ImageSelection.ImageTag = ilsImages.tag(Index).toStdString();
    highlightPhoto(Index, true);
}

void frmBrowse::imgPhotos_DblClick(int Index)
{
    imgPhotos_Click(Index);
    ImageSelection.ImageStyle = 0;
    cmdOK_Click();
}

void frmBrowse::flbFiles_Click()
{
    const std::string fileName = flbFiles->fileName().toStdString();
    if (Loading || fileName.empty())
        return;
    ImageSelection.ImageDrive = drvImages->drive().toStdString();
    ImageSelection.ImagePath = dirImages->path().toStdString();
    try {
        flbFiles->setPath(dirImages->path());
        if (fileName == ImageSelection.ImageName)
            return;
        ClearPreview();
        ImageSelection.ImageName = fileName;
        ShowPreview(ImageSelection.ImagePath, ImageSelection.ImageName);
        ShowSizeCaptions(true);
    } catch (const RuntimeError& error) {
        ClearPreview();
        refuse(pictureRefusedText(fileName, error.number(), error.description()));
    }
}

void frmBrowse::flbFiles_DblClick()
{
    flbFiles_Click();
    ImageSelection.ImageStyle = 1;
    cmdOK_Click();
}

void frmBrowse::drvImages_Change()
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
    ClearPreview();
}

void frmBrowse::dirImages_Change()
{
    if (Loading)
        return;
    drvImages->setDrive(drvImages->driveOf(dirImages->path()));
    try {
        flbFiles->setPath(dirImages->path());
    } catch (const RuntimeError& error) {
        refuse(folderRefusedText(dirImages->path().toStdString(), error.number(), error.description()));
    }
    ClearPreview();
}

void frmBrowse::openFolder(const QString& path)
{
    try {
        dirImages->setPath(path);
    } catch (const RuntimeError& error) {
        refuse(folderRefusedText(path.toStdString(), error.number(), error.description()));
    }
}

void frmBrowse::cmdOK_Click()
{
    if (ImageSelection.ImageStyle == 1 && ImageSelection.ImageName.empty()) {
        refuse(fileImageRequiredText());
        return;
    }
    if (m_chkImage_Click)
        m_chkImage_Click();
    done(Accepted);
}

void frmBrowse::cmdCancel_Click()
{
    ImageSelection = m_general.SaverSettings.imageValues();
    if (m_chkImage_Click)
        m_chkImage_Click();
    done(Rejected);
}

void frmBrowse::cmdSize_Click(int Index)
{
    const SizeStepOutcome outcome =
        pressSizeButton(ImageSelection.ImageSize, Index, ActualWidth, ActualHeight, m_screen);
    if (outcome.refusal != SizeRefusal::None)
        m_general.services.platform.messageBox(sizeRefusalText(outcome.refusal), MessageIcon::Information);
    ImageSelection.ImageSize = outcome.step;
    if (outcome.refusal == SizeRefusal::None)
        ShowSizeCaptions(true);
    cmdTakeFocus->setFocus();
}

void frmBrowse::ShowPreview(std::string& folder, const std::string& fileName)
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
    ImageSelection.ImageName = fileName;
    ActualWidth = placement.actualWidth;
    ActualHeight = placement.actualHeight;
    lblPreview->setText(text(placement.caption));
}

void frmBrowse::ClearPreview()
{
    if (!Loading)
        emptyPreview();
}

void frmBrowse::emptyPreview()
{
    imgPreview->setScaledContents(false);
    imgPreview->clear();
    lblPreview->setText(QStringLiteral("Preview"));
    txtCurImage->setText(QStringLiteral("No Image"));
    ImageSelection.ImageName.clear();
    ImageSelection.ImageSize = 1;
    ShowSizeCaptions(false);
}

void frmBrowse::ShowSizeCaptions(bool previewed)
{
    const SizeCaptions captions = sizeCaptions(previewed, ImageSelection.ImageSize, ActualWidth, ActualHeight);
    lblSize->setText(text(captions.lblSize));
    lblScrollSize->setText(text(captions.lblScrollSize));
}

void frmBrowse::showPage(int page)
{
    fraImages[page]->show();
    fraImages[page]->raise();
    // The page behind is hidden as well, so that no key reaches its controls.
    fraImages[1 - page]->hide();
}

void frmBrowse::highlightPhoto(int index, bool highlighted)
{
    if (index >= 1 && index <= BuiltinPictureCount)
        emphasise(lblPhotos[index], highlighted);
}

int frmBrowse::photoIndexOf(const QObject* control) const
{
    for (int i = 1; i <= BuiltinPictureCount; ++i) {
        if (control == imgPhotos[i] || control == lblPhotos[i])
            return i;
    }
    return 0;
}

void frmBrowse::refuse(const std::string& text)
{
    m_general.services.platform.messageBox(text, MessageIcon::Critical);
}

QLabel* frmBrowse::makeLabel(QWidget* parent, const char* name, const char* text, int left, int top, int width,
                             int height)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_twips.place(label, left, top, width, height);
    return label;
}

QPushButton* frmBrowse::makeButton(QWidget* parent, const char* name, const char* text, const char* toolTip,
                                   int left, int top, int width, int height)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromUtf8(toolTip));
    m_twips.place(button, left, top, width, height);
    return button;
}

} // namespace varnholt
