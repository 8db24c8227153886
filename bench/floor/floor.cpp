// SPDX-License-Identifier: MIT
// Qt's own first frame and memory: one full-screen label with the default Event Text.
// Reports its first paint as the saver does (VARNHOLT_STATS, VARNHOLT_STOP_AFTER_FRAMES),
// timed at the same point, when the window receives its first paint event.
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QPaintEvent>
#include <QScreen>

#include <cstdlib>

namespace {

class FirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || m_seen)
            return false;
        m_seen = true;
        QFile file(qEnvironmentVariable("VARNHOLT_STATS"));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write("first_frame_epoch_ms " + QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + '\n');
        file.close();
        // Left at once: under Wayland, leaving the event loop from the first paint can hang in Qt's exit.
        if (qEnvironmentVariableIntValue("VARNHOLT_STOP_AFTER_FRAMES") > 0)
            std::_Exit(0);
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Main Title Text (Change this!!)"));
    FirstPaint firstPaint;
    if (qEnvironmentVariableIsSet("VARNHOLT_STATS"))
        label.installEventFilter(&firstPaint);
    label.showFullScreen();
    // Without a window manager (Xvfb) full-screen state alone leaves the window at its size hint:
    // sized to the screen here, after showing, as a window manager would, so that showing still
    // measures the text first as it does under one.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        label.setGeometry(label.screen()->geometry());
    return app.exec();
}
