#pragma once

#include <QObject>

class QSocketNotifier;

namespace varnholt {

// Turns SIGTERM into a Qt signal on the user-interface thread, so that a host
// that ends the saver this way gets a clean and immediate end.
class TerminationSignal final : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

signals:
    void terminated();

private:
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace varnholt
