#pragma once

#include "startup/general.h"

#include <QDialog>

namespace varnholt {

// Stands in for the settings dialog until it is built: it has the dialog's
// caption, so a second configure start finds it, and it edits nothing.
class frmSetup final : public QDialog {
    Q_OBJECT

public:
    explicit frmSetup(General& general, QWidget* parent = nullptr);
};

} // namespace varnholt
