// SPDX-License-Identifier: MIT
#include "gui/saver/saver_window.h"

#include "core/motion/tick_pacer.h"
#include "gui/saver/saver_driver.h"
#include "gui/saver/window_layers.h"
#include "gui/widgets/desktop_platform.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/text_style.h"
#include "platform/pictures/picture_file.h"
#include "platform/x11_windows.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QWindow>

namespace varnholt {

namespace {

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

// The lines' top-left corners in logical pixels.
std::pair<QPoint, QPoint> linePoints(const TwipsGeometry& twips, const LabelPlaces& places)
{
    return {QPoint(twips.toPixelsX(places.textLeft), twips.toPixelsY(places.textTop)),
            QPoint(twips.toPixelsX(places.timeLeft), twips.toPixelsY(places.timeTop))};
}

} // namespace

void WindowGlide::moveTo(std::int64_t first, std::int64_t last, std::chrono::steady_clock::time_point firstDue) const
{
    for (std::int64_t step = first; step <= last; ++step) {
        const auto [title, timeLeft] = linePoints(twips, glide.placesAt(step));
        layers->moveLinesOffThread(title, timeLeft, firstDue + (step - first) * TickPacer::TickPeriod);
    }
    layers->flushOffThread();
}

SaverWindow::SaverWindow(const ProgramState& state, SaverDriver& driver, const ScreenMetrics& layout, QScreen* covered,
                         QWidget* parent)
    : QWidget(parent),
      m_ui{makeLabel(this, "lblText"), makeLabel(this, "lblTime"), new QLabel(this)},
      m_state(state),
      m_driver(driver),
      m_covered(covered),
      m_twips(layout),
      m_screenTwips(varnholt::screenTwips(layout)),
      // The preview's start was placed by start-up.
      m_block(state.startBlock()),
      m_engine(state.motionInputs(m_block, m_screenTwips), *this)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // paintEvent fills every pixel of the region itself, so the toolkit need not fill it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    m_ui.lblText->setText(QStringLiteral("lblText"));
    m_ui.lblTime->setText(QStringLiteral("lblTime"));
    m_ui.imgPhoto->setObjectName(QStringLiteral("imgPhoto"));
    m_ui.imgPhoto->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ui.imgPhoto->hide();
}

SaverWindow::~SaverWindow() = default;

void SaverWindow::showCovering()
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    winId();
    if (!m_layers) {
        m_layers = makeWindowLayers(*this, m_state.runMode(), [this](bool seen) { m_driver.windowSeen(*this, seen); });
        m_backdropChanged = true;
        // The window system paints the whole window: the toolkit keeps no copy of its pixels,
        // which at 3840 x 2160 would cost 33 MB and as much again to send.
        if (m_layers && m_layers->drawsBackdrop())
            setAttribute(Qt::WA_PaintOnScreen);
    }
    windowHandle()->setScreen(m_covered);
    // Without a window manager, full-screen state alone leaves the window at its old size.
    setGeometry(m_covered->geometry());
    showFullScreen();
    raise();
    // Qt's own connection, so that the request reaches the server after Qt's own naming.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection() && DesktopPlatform::onX11())
        clearNetWmName(x11->connection(), std::uint32_t(winId()));
    updateLayers();
    // The first frame: the window system draws it from what the layers now hold, with no paint.
    if (m_layers)
        emit layersMoved();
}

QLabel* SaverWindow::label(SaverLine line) const
{
    return line == SaverLine::Title ? m_ui.lblText : m_ui.lblTime;
}

void SaverWindow::showNoPicture()
{
    m_ui.imgPhoto->clear();
    m_ui.imgPhoto->hide();
    m_pictureImage = QImage();
    updateBackdrop(m_ui.imgPhoto->geometry());
}

PixelSize SaverWindow::takePicture(const QPixmap& picture)
{
    m_takenPicture = picture;
    return PixelSize{picture.width(), picture.height()};
}

PixelSize SaverWindow::loadDefaultPicture()
{
    return takePicture(defaultPicture());
}

PixelSize SaverWindow::loadBuiltinPicture(int index)
{
    return takePicture(builtinPicture(index));
}

std::variant<PixelSize, PictureFault> SaverWindow::loadPictureFile(const std::string& path)
{
    auto read = readPictureFile(path);
    if (auto* fault = std::get_if<PictureFault>(&read))
        return std::move(*fault);
    return takePicture(QPixmap::fromImage(std::get<QImage>(read)));
}

void SaverWindow::showPicture(PixelSize shown)
{
    const QRect before = m_ui.imgPhoto->geometry();
    const QSize pixels(shown.width, shown.height);
    // Scaled once here, so that a tick only copies pixels.
    m_ui.imgPhoto->setPixmap(pixels == m_takenPicture.size()
                                 ? m_takenPicture
                                 : m_takenPicture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    m_ui.imgPhoto->resize(pixels);
    m_takenPicture = QPixmap();
    m_pictureImage = QImage();
    updateBackdrop(QRegion(before) + m_ui.imgPhoto->geometry());
}

void SaverWindow::showLine(SaverLine line, const std::string& caption, int fontEntry, std::optional<int> pointSize)
{
    const SettingsRecord& settings = m_state.settings();
    QFont font = fontOfEntry(settings, fontEntry);
    if (pointSize)
        font.setPointSize(*pointSize);
    QLabel* shown = label(line);
    shown->setText(QString::fromStdString(caption));
    shown->setFont(font);
    QPalette palette = shown->palette();
    palette.setColor(QPalette::WindowText, colourFromStored(settings.TextFontColor[fontEntry]));
    palette.setColor(QPalette::Window, colourFromStored(settings.Background));
    shown->setPalette(palette);
    forgetSnapshots();
}

LabelSize SaverWindow::lineExtent(SaverLine line) const
{
    const QSize size = label(line)->sizeHint();
    const ScreenMetrics& screen = m_twips.screen();
    return LabelSize{size.width() * screen.twipsPerPixelX, size.height() * screen.twipsPerPixelY};
}

double SaverWindow::lineHeight(SaverLine line) const
{
    return label(line)->fontMetrics().height() * m_twips.screen().twipsPerPixelY;
}

void SaverWindow::sizeLines(const TextLabels& sized)
{
    const QRegion before = blockArea();
    const auto pixels = [this](LabelSize size) {
        return QSize(m_twips.toPixelsX(size.width), m_twips.toPixelsY(size.height));
    };
    m_ui.lblText->resize(pixels(sized.title));
    m_ui.lblTime->resize(pixels(sized.timeLeft));
    updateLines(before + blockArea());
}

void SaverWindow::showBackground(std::int32_t colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colourFromStored(colour));
    setPalette(palette);
    forgetSnapshots();
    m_backdropChanged = true;
}

void SaverWindow::startFirstPath()
{
    m_engine.nextPath();
}

LabelPlaces SaverWindow::runSteps(std::int64_t steps)
{
    LabelPlaces places;
    for (std::int64_t step = 0; step < steps && m_driver.running(); ++step)
        places = m_engine.step();
    return places;
}

void SaverWindow::placeLines(const LabelPlaces& places)
{
    const auto [title, timeLeft] = linePoints(m_twips, places);
    m_ui.lblText->move(title);
    m_ui.lblTime->move(timeLeft);
}

void SaverWindow::advance(std::int64_t ticks)
{
    const LabelPlaces places = runSteps(ticks);
    if (m_layers) {
        placeLines(places);
        updateLayers();
        emit layersMoved();
        return;
    }
    const QRegion before = blockArea();
    placeLines(places);
    // Painted now rather than at the window system's next update request, which
    // some X servers pace below the movement's 64 frames a second. One area, the
    // block's old and new places, so that the frame goes out as one image.
    if (blockArea() != before)
        repaint((before + blockArea()).boundingRect());
}

Glide SaverWindow::stretchAhead() const
{
    return m_layers ? m_engine.glide() : Glide{};
}

std::optional<WindowGlide> SaverWindow::startGlide()
{
    // What a glide moves must be what the layers show.
    updateLayers();
    if (!m_layers->startMovingOffThread())
        return std::nullopt;
    return WindowGlide{m_engine.glide(), m_twips, m_layers.get()};
}

void SaverWindow::endGlide(std::int64_t steps)
{
    m_layers->stopMovingOffThread();
    if (steps > 0)
        placeLines(runSteps(steps));
}

QRegion SaverWindow::blockArea() const
{
    return QRegion(m_ui.lblText->geometry()) + m_ui.lblTime->geometry();
}

void SaverWindow::forgetSnapshots()
{
    m_snapshotRatio = 0;
}

void SaverWindow::updateBackdrop(const QRegion& area)
{
    m_backdropChanged = true;
    if (!m_layers || !m_layers->drawsBackdrop())
        update(area);
}

void SaverWindow::updateLines(const QRegion& area)
{
    if (!m_layers)
        update(area);
}

void SaverWindow::makeSnapshots()
{
    if (m_snapshotRatio == devicePixelRatio())
        return;
    m_snapshotRatio = devicePixelRatio();
    m_textSnapshot = snapshotOf(*m_ui.lblText, m_snapshotRatio);
    m_timeSnapshot = snapshotOf(*m_ui.lblTime, m_snapshotRatio);
    if (m_layers) {
        m_layers->showLine(SaverLine::Title, m_textSnapshot.toImage());
        m_layers->showLine(SaverLine::TimeLeft, m_timeSnapshot.toImage());
        m_backdropChanged = true;
    }
}

void SaverWindow::updateLayers()
{
    if (!m_layers)
        return;
    makeSnapshots();
    if (m_backdropChanged && m_layers->drawsBackdrop()) {
        m_backdropChanged = false;
        const QRect place = m_ui.imgPhoto->geometry();
        if (m_pictureImage.devicePixelRatio() != m_snapshotRatio)
            m_pictureImage = QImage();
        const QPixmap shown = m_ui.imgPhoto->pixmap();
        if (m_pictureImage.isNull() && !shown.isNull() && !place.isEmpty()) {
            if (m_snapshotRatio == 1 && shown.size() == place.size() && !shown.hasAlphaChannel()) {
                // The label would copy it as it is: the image shares the pixmap's pixels.
                m_pictureImage = shown.toImage();
            } else {
                // Drawn as paintEvent draws it: over the background, by the label.
                m_pictureImage = QImage(place.size() * m_snapshotRatio, QImage::Format_RGB32);
                m_pictureImage.setDevicePixelRatio(m_snapshotRatio);
                m_pictureImage.fill(palette().color(QPalette::Window));
                m_ui.imgPhoto->render(&m_pictureImage);
            }
        }
        m_layers->showBackdrop(palette().color(QPalette::Window), m_pictureImage, place);
    }
    m_layers->moveLines(m_ui.lblText->pos(), m_ui.lblTime->pos());
}

QPaintEngine* SaverWindow::paintEngine() const
{
    return testAttribute(Qt::WA_PaintOnScreen) ? nullptr : QWidget::paintEngine();
}

void SaverWindow::paintEvent(QPaintEvent* event)
{
    if (testAttribute(Qt::WA_PaintOnScreen))
        return;
    QPainter painter(this);
    // Lines that are layers are not the window's to paint.
    const QRegion block = m_layers ? QRegion() : blockArea();
    for (const QRect& rect : event->region() - block)
        painter.fillRect(rect, palette().window());
    // Drawn by the label itself, which scales the picture for the screen's pixel density. render()
    // puts the corner of the part it draws, not of the label, at the offset it is given.
    const QRegion picture = event->region() & m_ui.imgPhoto->geometry();
    if (!picture.isEmpty() && !m_ui.imgPhoto->pixmap().isNull())
        m_ui.imgPhoto->render(&painter, picture.boundingRect().topLeft(), picture.translated(-m_ui.imgPhoto->pos()));
    if (!event->region().intersects(block))
        return;
    makeSnapshots();
    painter.drawPixmap(m_ui.lblText->pos(), m_textSnapshot);
    painter.drawPixmap(m_ui.lblTime->pos(), m_timeSnapshot);
}

void SaverWindow::mousePressEvent(QMouseEvent*)
{
    m_driver.controller().clicked();
}

void SaverWindow::mouseDoubleClickEvent(QMouseEvent*)
{
    m_driver.controller().clicked();
}

void SaverWindow::keyPressEvent(QKeyEvent* event)
{
    // Only keys that produce a character end the saver; X gives Delete the character DEL.
    if (!event->text().isEmpty() && event->key() != Qt::Key_Delete)
        m_driver.controller().clicked();
}

void SaverWindow::mouseMoveEvent(QMouseEvent*)
{
    m_driver.controller().mouseMoved();
}

void SaverWindow::setLabelsCentred(bool centred)
{
    const Qt::Alignment alignment = (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    if (m_ui.lblText->alignment() == alignment && m_ui.lblTime->alignment() == alignment)
        return;
    m_ui.lblText->setAlignment(alignment);
    m_ui.lblTime->setAlignment(alignment);
    forgetSnapshots();
    updateLines(blockArea());
}

void SaverWindow::rerunSetup()
{
    m_driver.controller().load();
}

std::pair<std::int32_t, std::int32_t> SaverWindow::pictureSize() const
{
    return {m_twips.toTwipsX(m_ui.imgPhoto->width()), m_twips.toTwipsY(m_ui.imgPhoto->height())};
}

void SaverWindow::movePicture(std::int32_t left, std::int32_t top)
{
    const QRect before = m_ui.imgPhoto->geometry();
    m_ui.imgPhoto->move(m_twips.toPixelsX(left), m_twips.toPixelsY(top));
    if (!m_ui.imgPhoto->pixmap().isNull())
        updateBackdrop(QRegion(before) + m_ui.imgPhoto->geometry());
}

} // namespace varnholt
