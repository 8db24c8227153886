// SPDX-License-Identifier: MIT
#pragma once

#include "core/controllers/about_controller.h"
#include "gui/widgets/control_states.h"
#include "gui/widgets/form_builder.h"

#include <QDialog>

#include <string>

class QFrame;
class QLabel;
class QPushButton;

namespace varnholt {

// The modal About window of the settings dialog: it shows what its AboutController says.
class AboutBox final : public QDialog, private WidgetFormView<AboutView> {
    Q_OBJECT

public:
    // Opens readMePath when the read-me is asked for.
    AboutBox(Platform& platform, const Clock& clock, std::string readMePath, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Controls {
        QLabel* imgLogo;
        QLabel* lblTitle;
        QLabel* lblVersion;
        QLabel* lblCopyRight;
        QLabel* lblDate;
        QLabel* lblDescription;
        QLabel* lblContact;
        QFrame* Line1;
        QLabel* lblWebSite;
        QLabel* lblEmail;
        QPushButton* cmdViewReadMe;
        QPushButton* cmdOK;

        void bind(const FormBuilder& form);
    };

    // AboutView
    void showCaption(const std::string& caption) override;
    void closeAccepted() override;

    Controls m_ui;
    AboutController m_controller;
};

} // namespace varnholt
