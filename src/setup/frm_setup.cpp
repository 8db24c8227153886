#include "setup/frm_setup.h"

#include <QLabel>
#include <QVBoxLayout>

namespace varnholt {

frmSetup::frmSetup(General&, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QString::fromStdString(settingsDialogTitle()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("The settings dialog is not built yet; settings are unchanged."), this));
}

} // namespace varnholt
