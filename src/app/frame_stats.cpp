// SPDX-License-Identifier: MIT
#include "app/frame_stats.h"

#include "gui/saver/saver_driver.h"
#include "gui/saver/saver_window.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QTextStream>

namespace varnholt {

FrameStats::FrameStats(SaverDriver& driver, QString path, int stopAfterFrames)
    : m_driver(driver), m_path(std::move(path)), m_stopAfterFrames(stopAfterFrames)
{
    m_sinceStart.start();
    // A frame moved off the GUI thread passes no window's signal: the one to stop at must not.
    if (m_stopAfterFrames > 0)
        driver.moveFramesHereFrom(m_stopAfterFrames);
    for (SaverWindow* window : driver.windows())
        watch(window);
    connect(&driver, &SaverDriver::windowAdded, this, &FrameStats::watch);
}

void FrameStats::watch(SaverWindow* window)
{
    // The window draws its labels and picture itself, or moves them as layers.
    window->installEventFilter(this);
    connect(window, &SaverWindow::layersMoved, this, &FrameStats::countFrame);
}

FrameStats::~FrameStats()
{
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QTextStream out(&file);
    out << "ticks " << m_driver.ticksRun() << "\nframes " << m_driver.framesMoved() << "\nrepaints " << m_repaints
        << "\nfirst_frame_epoch_ms " << m_firstFrameEpochMs << "\nrun_ms " << m_sinceStart.elapsed() << '\n';
}

std::unique_ptr<FrameStats> FrameStats::fromEnvironment(SaverDriver& driver)
{
    const QString path = qEnvironmentVariable("VARNHOLT_STATS");
    if (path.isEmpty())
        return nullptr;
    return std::make_unique<FrameStats>(driver, path, qEnvironmentVariableIntValue("VARNHOLT_STOP_AFTER_FRAMES"));
}

bool FrameStats::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        countFrame();
    return false;
}

void FrameStats::countFrame()
{
    // A repaint is a frame in which anything was painted or moved.
    if (m_driver.framesMoved() == m_lastPaintedFrame && m_repaints > 0)
        return;
    m_lastPaintedFrame = m_driver.framesMoved();
    ++m_repaints;
    if (m_firstFrameEpochMs < 0)
        m_firstFrameEpochMs = QDateTime::currentMSecsSinceEpoch();
    if (m_stopAfterFrames > 0 && m_driver.framesMoved() >= m_stopAfterFrames)
        QCoreApplication::exit(0);
}

} // namespace varnholt
