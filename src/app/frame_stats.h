// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <memory>

namespace varnholt {

class SaverDriver;
class SaverWindow;

// Counts what the benchmark measures: repaints of the saver windows, the time to
// its first painted frame, and, when asked, ends the run after a number of
// frames. Made only when VARNHOLT_STATS names a file to write when it goes, which must be
// before the driver it reads goes.
class FrameStats final : public QObject {
    Q_OBJECT

public:
    FrameStats(SaverDriver& driver, QString path, int stopAfterFrames);
    ~FrameStats() override;

    static std::unique_ptr<FrameStats> fromEnvironment(SaverDriver& driver);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(SaverWindow* window);
    void countFrame();

    SaverDriver& m_driver;
    QString m_path;
    int m_stopAfterFrames;
    QElapsedTimer m_sinceStart;
    qint64 m_firstFrameEpochMs = -1;
    qint64 m_repaints = 0;
    std::int64_t m_lastPaintedFrame = -1;
};

} // namespace varnholt
