// SPDX-License-Identifier: MIT
#include "gui/about/about_box.h"

#include "core/forms/about_box_layout.h"
#include "gui/widgets/control_states.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/text_style.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <utility>

namespace varnholt {

void AboutBox::Controls::bind(const FormBuilder& form)
{
    BIND_CONTROLS(form, imgLogo, lblTitle, lblVersion, lblCopyRight, lblDate, lblDescription, lblContact, Line1,
                  lblWebSite, lblEmail, cmdViewReadMe, cmdOK);
}

AboutBox::AboutBox(Platform& platform, const Clock& clock, std::string readMePath, QWidget* parent)
    : QDialog(parent), WidgetFormView(*this, platform), m_controller(*this, platform, clock, std::move(readMePath))
{
    setModal(true);
    // The twips boxes were measured for an 8-point face: larger text is clipped.
    QFont small = font();
    small.setPointSize(8);
    const FormLook look{.font = small, .labelAlignment = Qt::AlignLeft | Qt::AlignTop};
    FormBuilder form(*this, TwipsGeometry(platform.screen()), look);
    form.build(aboutBoxLayout());
    m_ui.bind(form);

    QFont titleFont = m_ui.lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    m_ui.lblTitle->setFont(titleFont);
    for (QLabel* label : {m_ui.lblDescription, m_ui.lblContact})
        label->setWordWrap(true);
    for (QLabel* link : {m_ui.lblWebSite, m_ui.lblEmail})
        link->installEventFilter(this);
    m_ui.cmdOK->setDefault(true);
    m_ui.cmdOK->setFocus();
    connect(m_ui.cmdViewReadMe, &QPushButton::clicked, this, [this] { m_controller.readMeClicked(); });
    connect(m_ui.cmdOK, &QPushButton::clicked, this, [this] { m_controller.okClicked(); });
}

void AboutBox::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        m_controller.opened();
        m_ui.imgLogo->setPixmap(renderSvg(QStringLiteral(":/pictures/logo_about.svg")));
    }
    QDialog::showEvent(event);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            if (watched == m_ui.lblWebSite)
                m_controller.webSiteClicked();
            else
                m_controller.emailClicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutBox::showCaption(const std::string& caption)
{
    setWindowTitle(qString(caption));
}

void AboutBox::closeAccepted()
{
    accept();
}

} // namespace varnholt
