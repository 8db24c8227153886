// SPDX-License-Identifier: MIT
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

    bool received() const { return m_received; }

signals:
    void terminated();

private:
    bool m_received = false;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace varnholt
