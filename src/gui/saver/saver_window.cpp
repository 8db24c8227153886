#include "gui/saver/saver_window.h"

#include "core/common/errors.h"
#include "core/motion/block_layout.h"
#include "gui/browse/picture_file.h"
#include "gui/saver/saver_driver.h"
#include "gui/widgets/desktop_platform.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/text_style.h"
#include "platform/x11_windows.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScopeGuard>
#include <QWindow>

namespace varnholt {

namespace {

// A stretched picture larger than this would cost more memory than a screen saver should.
constexpr qint64 MaxShownPicturePixels = 64'000'000;

QLabel* makeLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Never shown itself: the window draws a snapshot of it (see paintEvent).
    label->hide();
    return label;
}

// The label's pixels at the window's pixel density, opaque, so that drawing them is a plain copy.
QPixmap snapshotOf(QLabel& label, qreal pixelRatio)
{
    QPixmap snapshot(label.size() * pixelRatio);
    if (snapshot.isNull()) // an empty line
        return snapshot;
    snapshot.setDevicePixelRatio(pixelRatio);
    snapshot.fill(label.palette().color(QPalette::Window));
    label.render(&snapshot);
    return snapshot;
}

} // namespace

SaverWindow::SaverWindow(ProgramState& state, SaverDriver& driver, const ScreenMetrics& layout, QScreen* covered,
                         QWidget* parent)
    : QWidget(parent),
      lblText(makeLabel(this, "lblText")),
      lblTime(makeLabel(this, "lblTime")),
      imgPhoto(new QLabel(this)),
      imgDefault(defaultPicture()),
      m_state(state),
      m_driver(driver),
      m_covered(covered),
      m_twips(layout),
      m_screenTwips(varnholt::screenTwips(layout)),
      // The preview's start was placed by start-up.
      m_block(state.block),
      m_engine(state.motionInputs(m_block, m_screenTwips), *this)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // paintEvent fills every pixel of the region itself, so the toolkit need not fill it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    lblText->setText(QStringLiteral("lblText"));
    lblTime->setText(QStringLiteral("lblTime"));
    imgPhoto->setObjectName(QStringLiteral("imgPhoto"));
    imgPhoto->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgPhoto->hide();
}

SaverWindow::~SaverWindow() = default;

void SaverWindow::setUp()
{
    // Whatever the set-up got to, also before an error, is drawn.
    const auto redraw = qScopeGuard([this, drawnBefore = drawnArea()] { update(drawnBefore + drawnArea()); });
    setUpPicture();
    const TimeLeftOutputs& lines = m_state.timeLeft;
    dressLabel(lblText, lines.TitleLine, 0);
    dressLabel(lblTime, lines.TimeLeftLine, lines.TimeLeftState == DatePassed ? 2 : 1);
    layOutBlock();
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colourFromStored(m_state.settings.Background));
    setPalette(palette);
    forgetSnapshots();
    if (m_state.runMode == ModeSaver) {
        m_engine.nextPath();
    } else if (m_state.settings.ImageUsed == FlagOn) {
        placePreviewPicture(m_block);
        movePicture(m_block.PictureLeft, m_block.PictureTop);
    }
}

void SaverWindow::showCovering()
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    winId();
    windowHandle()->setScreen(m_covered);
    // Without a window manager, full-screen state alone leaves the window at its old size.
    setGeometry(m_covered->geometry());
    showFullScreen();
    raise();
    // Qt's own connection, so that the request reaches the server after Qt's own naming.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection() && DesktopPlatform::onX11())
        clearNetWmName(x11->connection(), std::uint32_t(winId()));
}

void SaverWindow::setUpPicture()
{
    const SettingsRecord& settings = m_state.settings;
    if (settings.ImageUsed != FlagOn) {
        imgPhoto->clear();
        imgPhoto->hide();
        return;
    }
    if (m_state.runMode != ModeSaver) {
        showPicture(imgDefault, imgDefault.size());
        m_block.PictureHeight = pictureSize().second;
        m_block.PictureWidth = pictureSize().first;
        return;
    }
    const PictureChoice& choice = settings.picture;
    if (choice.ImageStyle == BaseImage) {
        const QPixmap picture = builtinPicture(choice.ImageIndex);
        showPicture(picture, picture.size());
    } else if (choice.ImageStyle == FileImage) {
        const QPixmap picture = pictureForSaver();
        const ShownPicture shown = applySizeStep(picture.width(), picture.height(), choice.ImageSize);
        if (qint64(shown.width) * shown.height > MaxShownPicturePixels)
            throw RuntimeError(ErrOverflow);
        showPicture(picture, QSize(shown.width, shown.height));
    }
}

QPixmap SaverWindow::pictureForSaver()
{
    const PictureChoice& choice = m_state.settings.picture;
    try {
        return QPixmap::fromImage(loadPictureFile(choice.ImagePath + choice.ImageName));
    } catch (const RuntimeError& error) {
        if (error.number() != ErrFileNotFound && error.number() != ErrPathNotFound)
            throw;
        return builtinPicture(choice.ImageIndex);
    }
}

QPixmap SaverWindow::builtinPicture(int index)
{
    return ImageList().picture(index);
}

void SaverWindow::showPicture(const QPixmap& picture, QSize shownPixels)
{
    // Scaled once here, so that a tick only copies pixels.
    imgPhoto->setPixmap(shownPixels == picture.size()
                            ? picture
                            : picture.scaled(shownPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    imgPhoto->resize(shownPixels);
}

void SaverWindow::dressLabel(QLabel* label, const std::string& caption, int fontEntry)
{
    const SettingsRecord& settings = m_state.settings;
    QFont font = fontOfEntry(settings, fontEntry);
    if (m_state.runMode == ModePreview)
        font.setPointSize(8);
    label->setText(QString::fromStdString(caption));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colourFromStored(settings.TextFontColor[fontEntry]));
    palette.setColor(QPalette::Window, colourFromStored(settings.Background));
    label->setPalette(palette);
}

void SaverWindow::layOutBlock()
{
    const auto measure = [this](QLabel* label) {
        const QSize size = label->text().isEmpty() ? QSize(0, label->fontMetrics().height()) : label->sizeHint();
        const ScreenMetrics& screen = m_twips.screen();
        return LabelSize{size.width() * screen.twipsPerPixelX, size.height() * screen.twipsPerPixelY};
    };
    const TextLabels sized = layOutTextBlock(m_block, TextLabels{measure(lblText), measure(lblTime)},
                                             m_state.settings.Style);
    const auto pixels = [this](LabelSize size) {
        return QSize(m_twips.toPixelsX(size.width), m_twips.toPixelsY(size.height));
    };
    lblText->resize(pixels(sized.lblText));
    lblTime->resize(pixels(sized.lblTime));
}

void SaverWindow::advance(std::int64_t ticks)
{
    LabelPlaces places;
    for (std::int64_t tick = 0; tick < ticks && m_driver.running(); ++tick)
        places = m_engine.step();
    const QRegion before = blockArea();
    lblText->move(m_twips.toPixelsX(places.textLeft), m_twips.toPixelsY(places.textTop));
    lblTime->move(m_twips.toPixelsX(places.timeLeft), m_twips.toPixelsY(places.timeTop));
    // Painted now rather than at the window system's next update request, which
    // some X servers pace below the movement's 64 frames a second. One area, the
    // block's old and new places, so that the frame goes out as one image.
    if (blockArea() != before)
        repaint((before + blockArea()).boundingRect());
}

QRegion SaverWindow::blockArea() const
{
    return QRegion(lblText->geometry()) + lblTime->geometry();
}

QRegion SaverWindow::drawnArea() const
{
    return blockArea() + imgPhoto->geometry();
}

void SaverWindow::forgetSnapshots()
{
    m_snapshotRatio = 0;
}

void SaverWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRegion block = blockArea();
    for (const QRect& rect : event->region() - block)
        painter.fillRect(rect, palette().window());
    // Drawn by the label itself, which scales the picture for the screen's pixel density. render()
    // puts the corner of the part it draws, not of the label, at the offset it is given.
    const QRegion picture = event->region() & imgPhoto->geometry();
    if (!picture.isEmpty() && !imgPhoto->pixmap().isNull())
        imgPhoto->render(&painter, picture.boundingRect().topLeft(), picture.translated(-imgPhoto->pos()));
    if (!event->region().intersects(block))
        return;
    if (m_snapshotRatio != devicePixelRatio()) {
        m_snapshotRatio = devicePixelRatio();
        m_textSnapshot = snapshotOf(*lblText, m_snapshotRatio);
        m_timeSnapshot = snapshotOf(*lblTime, m_snapshotRatio);
    }
    painter.drawPixmap(lblText->pos(), m_textSnapshot);
    painter.drawPixmap(lblTime->pos(), m_timeSnapshot);
}

void SaverWindow::mousePressEvent(QMouseEvent*)
{
    m_driver.onClick();
}

void SaverWindow::mouseDoubleClickEvent(QMouseEvent*)
{
    m_driver.onClick();
}

void SaverWindow::keyPressEvent(QKeyEvent* event)
{
    // Only keys that produce a character end the saver; X gives Delete the character DEL.
    if (!event->text().isEmpty() && event->key() != Qt::Key_Delete)
        m_driver.onClick();
}

void SaverWindow::mouseMoveEvent(QMouseEvent*)
{
    m_driver.onMouseMoved();
}

void SaverWindow::setLabelsCentred(bool centred)
{
    const Qt::Alignment alignment = (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    if (lblText->alignment() == alignment && lblTime->alignment() == alignment)
        return;
    lblText->setAlignment(alignment);
    lblTime->setAlignment(alignment);
    forgetSnapshots();
    update(blockArea());
}

void SaverWindow::rerunSetup()
{
    m_driver.rerunSetup();
}

std::pair<std::int32_t, std::int32_t> SaverWindow::pictureSize() const
{
    return {m_twips.toTwipsX(imgPhoto->width()), m_twips.toTwipsY(imgPhoto->height())};
}

void SaverWindow::movePicture(std::int32_t left, std::int32_t top)
{
    const QRect before = imgPhoto->geometry();
    imgPhoto->move(m_twips.toPixelsX(left), m_twips.toPixelsY(top));
    if (!imgPhoto->pixmap().isNull())
        update(QRegion(before) + imgPhoto->geometry());
}

} // namespace varnholt
