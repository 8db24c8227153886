#include "gui/about/about_box.h"

#include "core/forms/about_box_layout.h"
#include "core/program/about_texts.h"
#include "gui/widgets/image_list.h"
#include "gui/widgets/text_style.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace varnholt {

AboutBox::AboutBox(ProgramState& state, QWidget* parent) : QDialog(parent), m_state(state)
{
    setModal(true);
    // The twips boxes were measured for an 8-point face: larger text is clipped.
    QFont small = font();
    small.setPointSize(8);
    const FormLook look{.font = small, .labelAlignment = Qt::AlignLeft | Qt::AlignTop};
    FormBuilder form(*this, TwipsGeometry(state.services.platform.screen()), look);
    form.build(aboutBoxLayout());

    BIND_CONTROLS(form, imgLogo, lblTitle, lblVersion, lblCopyRight, lblDate, lblDescription, lblContact, Line1,
                  lblWebSite, lblEmail, cmdViewReadMe, cmdOK);

    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    lblTitle->setFont(titleFont);
    for (QLabel* label : {lblDescription, lblContact})
        label->setWordWrap(true);
    for (QLabel* link : {lblWebSite, lblEmail}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdViewReadMe, &QPushButton::clicked, this, &AboutBox::onViewReadMeClicked);
    connect(cmdOK, &QPushButton::clicked, this, &AboutBox::onOkClicked);
}

void AboutBox::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        load();
    QDialog::showEvent(event);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* label = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            if (watched == lblWebSite)
                onWebSiteClicked();
            else
                onEmailClicked();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void AboutBox::load()
{
    setWindowTitle(QStringLiteral("About - ") + QString::fromUtf8(ProgramTitle));
    lblTitle->setText(QString::fromUtf8(ProgramTitle));
    lblVersion->setText(text(versionLine(VersionMajor, VersionMinor)));
    lblCopyRight->setText(QString::fromUtf8(LegalCopyright));
    lblDate->setText(text(copyrightYearLine(int(m_state.services.clock.today().year()))));
    lblDescription->setText(text(descriptionText()));
    lblContact->setText(text(contactText()));
    lblEmail->setText(text(emailLine()));
    imgLogo->setPixmap(renderSvg(QStringLiteral(":/pictures/logo_about.svg")));
}

void AboutBox::onOkClicked()
{
    accept();
}

void AboutBox::onViewReadMeClicked()
{
    m_state.services.platform.shellOpen(m_state.readMe());
}

void AboutBox::onWebSiteClicked()
{
    m_state.services.platform.shellOpen(WebSiteAddress);
    accept();
}

void AboutBox::onEmailClicked()
{
    m_state.services.platform.shellOpen(mailtoTarget());
    accept();
}

} // namespace varnholt
