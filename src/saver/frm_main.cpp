#include "saver/frm_main.h"

#include "browse/frm_browse.h"
#include "browse/image_list.h"
#include "common/errors.h"
#include "common/numbers.h"
#include "platform/qt_text_style.h"
#include "saver/block_layout.h"
#include "saver/picture_file.h"

#include <QKeyEvent>
#include <QLabel>
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
    return label;
}

} // namespace

frmMain::frmMain(General& general, QWidget* parent)
    : QWidget(parent),
      lblText(makeLabel(this, "lblText")),
      lblTime(makeLabel(this, "lblTime")),
      imgPhoto(new QLabel(this)),
      imgDefault(defaultPicture()),
      tmrScroll(new QTimer(this)),
      m_general(general),
      m_engine(general, *this),
      m_screen(general.services.platform.screen())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    lblText->setText(QStringLiteral("lblText"));
    lblTime->setText(QStringLiteral("lblTime"));
    imgPhoto->setObjectName(QStringLiteral("imgPhoto"));
    imgPhoto->setAttribute(Qt::WA_TransparentForMouseEvents);
    imgPhoto->hide();
    tmrScroll->setObjectName(QStringLiteral("tmrScroll"));
    tmrScroll->setTimerType(Qt::PreciseTimer);
    connect(tmrScroll, &QTimer::timeout, this, &frmMain::tmrScroll_Timer);
    m_monotonic.start();
}

frmMain::~frmMain() = default;

void frmMain::Form_Load()
{
    m_general.LoadSettings();
    m_general.CalculateTimeLeft(m_general.SaverSettings.Date);
    m_general.services.platform.showCursor(false);
    try {
        setUpPicture();
        const TimeLeftOutputs& lines = m_general.timeLeft;
        dressLabel(lblText, lines.TitleLine, 0);
        dressLabel(lblTime, lines.TimeLeftLine, lines.TimeLeftState == DatePassed ? 2 : 1);
        layOutBlock();
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, colourFromStored(m_general.SaverSettings.Background));
        setPalette(palette);
        imgPhoto->lower();
        if (m_general.RunMode == ModeSaver) {
            m_engine.NextPath();
        } else if (m_general.SaverSettings.ImageUsed == 1) {
            placePreviewPicture(m_general.block);
            movePicture(m_general.block.PictureLeft, m_general.block.PictureTop);
        }
        tmrScroll->setInterval(1);
        if (!tmrScroll->isActive())
            m_pacer.start(std::chrono::nanoseconds(m_monotonic.nsecsElapsed()));
        tmrScroll->start();
    } catch (const RuntimeError& error) {
        reportLoadError(error.number(), error.description());
    }
}

void frmMain::reportLoadError(int number, const std::string& description)
{
    m_general.services.platform.messageBox("Load Error Number: " + std::to_string(number) + "\r\n" + description,
                                           MessageIcon::None);
}

void frmMain::setUpPicture()
{
    const SettingsRecord& settings = m_general.SaverSettings;
    if (settings.ImageUsed != 1) {
        imgPhoto->clear();
        imgPhoto->hide();
        return;
    }
    if (m_general.RunMode != ModeSaver) {
        showPicture(imgDefault, imgDefault.size());
        m_general.block.PictureHeight = pictureSize().second;
        m_general.block.PictureWidth = pictureSize().first;
        return;
    }
    if (settings.ImageStyle == 0) {
        const QPixmap picture = builtinPicture(settings.ImageIndex);
        showPicture(picture, picture.size());
    } else if (settings.ImageStyle == 1) {
        const QPixmap picture = pictureForSaver();
        const ShownPicture shown = applySizeStep(picture.width(), picture.height(), settings.ImageSize);
        if (qint64(shown.width) * shown.height > MaxShownPicturePixels)
            throw RuntimeError(ErrOverflow);
        showPicture(picture, QSize(shown.width, shown.height));
    }
}

QPixmap frmMain::pictureForSaver()
{
    const SettingsRecord& settings = m_general.SaverSettings;
    try {
        return QPixmap::fromImage(loadPictureFile(QString::fromStdString(settings.ImagePath + settings.ImageName)));
    } catch (const RuntimeError& error) {
        if (error.number() != ErrFileNotFound && error.number() != ErrPathNotFound)
            throw;
        return builtinPicture(settings.ImageIndex);
    }
}

QPixmap frmMain::builtinPicture(int index)
{
    // The list belongs to the image browser: it is loaded without being shown, and unloaded right after.
    frmBrowse browser(m_general, [] {});
    return browser.ilsImages.picture(index);
}

void frmMain::showPicture(const QPixmap& picture, QSize shownPixels)
{
    // Scaled once here, so that a tick only copies pixels.
    imgPhoto->setPixmap(shownPixels == picture.size()
                            ? picture
                            : picture.scaled(shownPixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    imgPhoto->resize(shownPixels);
    imgPhoto->show();
}

void frmMain::dressLabel(QLabel* label, const std::string& caption, int fontEntry)
{
    const SettingsRecord& settings = m_general.SaverSettings;
    QFont font = fontOfEntry(settings, fontEntry);
    if (m_general.RunMode == ModePreview)
        font.setPointSize(8);
    label->setText(QString::fromStdString(caption));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colourFromStored(settings.TextFontColor[fontEntry]));
    palette.setColor(QPalette::Window, colourFromStored(settings.Background));
    label->setPalette(palette);
}

void frmMain::layOutBlock()
{
    const auto measure = [this](QLabel* label) {
        const QSize size = label->text().isEmpty() ? QSize(0, label->fontMetrics().height()) : label->sizeHint();
        return LabelSize{size.width() * m_screen.twipsPerPixelX, size.height() * m_screen.twipsPerPixelY};
    };
    const TextLabels sized =
        layOutTextBlock(m_general.block, TextLabels{measure(lblText), measure(lblTime)}, m_general.SaverSettings.Style);
    const auto pixels = [this](LabelSize size) {
        return QSize(int(roundHalfEven(size.width / m_screen.twipsPerPixelX)),
                     int(roundHalfEven(size.height / m_screen.twipsPerPixelY)));
    };
    lblText->resize(pixels(sized.lblText));
    lblTime->resize(pixels(sized.lblTime));
}

void frmMain::tmrScroll_Timer()
{
    const std::int64_t due = m_pacer.ticksDue(std::chrono::nanoseconds(m_monotonic.nsecsElapsed()));
    if (due == 0)
        return;
    LabelPlaces places;
    for (std::int64_t tick = 0; tick < due && tmrScroll->isActive(); ++tick) {
        places = m_engine.tmrScroll_Timer();
        ++m_ticksRun;
    }
    const QRegion before = QRegion(lblText->geometry()) + lblTime->geometry();
    lblText->move(toPixelsX(places.textLeft), toPixelsY(places.textTop));
    lblTime->move(toPixelsX(places.timeLeft), toPixelsY(places.timeTop));
    // Painted now rather than at the window system's next update request, which
    // some X servers pace below the movement's 64 frames a second.
    ++m_framesMoved;
    // The labels' own pixels are moved, not drawn again: only the uncovered strip is painted.
    const QRegion uncovered = before - lblText->geometry() - lblTime->geometry();
    if (!uncovered.isEmpty())
        repaint(uncovered);
}

void frmMain::mousePressEvent(QMouseEvent*)
{
    Form_Click();
}

void frmMain::mouseDoubleClickEvent(QMouseEvent*)
{
    Form_Click();
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    // Only keys that produce a character end the saver; X gives Delete the character DEL.
    if (!event->text().isEmpty() && event->key() != Qt::Key_Delete)
        Form_Click();
}

void frmMain::mouseMoveEvent(QMouseEvent*)
{
    Form_MouseMove();
}

bool frmMain::inputEndsRun() const
{
    return m_general.RunMode == ModeSaver && m_general.HostWindow == 0;
}

void frmMain::Form_Click()
{
    if (inputEndsRun())
        EndSaver();
}

void frmMain::Form_MouseMove()
{
    ++MouseMoveCount;
    if (inputEndsRun() && MouseMoveCount > 8) {
        MouseMoveCount = 0;
        EndSaver();
    }
}

void frmMain::EndSaver()
{
    m_general.services.platform.showCursor(true);
    if (QWindow* window = windowHandle())
        window->setFlags(window->flags() & ~Qt::WindowStaysOnTopHint);
    m_general.services.platform.setScreenSaverRunning(false);
    tmrScroll->stop();
    unload();
    emit endProcess();
}

void frmMain::unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    Form_Unload();
    hide();
}

void frmMain::Form_Unload()
{
    tmrScroll->stop();
    if (m_general.RunMode == ModePreview) {
        EndPreview();
        return;
    }
    if (m_general.RunMode == ModeSaver)
        m_general.services.platform.showCursor(true);
    // The application-wide pointer is never changed by this window, so there is nothing to reset.
}

void frmMain::EndPreview()
{
    m_general.services.platform.activateWindow(ProgramTitle);
    hide();
    emit endProcess();
}

void frmMain::setLabelsCentred(bool centred)
{
    const Qt::Alignment alignment = (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    lblText->setAlignment(alignment);
    lblTime->setAlignment(alignment);
}

void frmMain::rerunSetup()
{
    Form_Load();
}

std::pair<std::int32_t, std::int32_t> frmMain::pictureSize() const
{
    return {std::int32_t(roundHalfEven(imgPhoto->width() * m_screen.twipsPerPixelX)),
            std::int32_t(roundHalfEven(imgPhoto->height() * m_screen.twipsPerPixelY))};
}

void frmMain::movePicture(std::int32_t left, std::int32_t top)
{
    imgPhoto->move(toPixelsX(left), toPixelsY(top));
}

int frmMain::toPixelsX(std::int32_t twips) const
{
    return int(roundHalfEven(twips / m_screen.twipsPerPixelX));
}

int frmMain::toPixelsY(std::int32_t twips) const
{
    return int(roundHalfEven(twips / m_screen.twipsPerPixelY));
}

} // namespace varnholt
