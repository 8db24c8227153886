// SPDX-License-Identifier: MIT
#include "core/controllers/about_controller.h"

#include "core/common/program_info.h"
#include "core/program/about_texts.h"

namespace varnholt {

void AboutController::opened()
{
    m_view.showCaption(std::string("About - ") + ProgramTitle);
    m_view.showText("lblTitle", ProgramTitle);
    m_view.showText("lblVersion", versionLine(VersionMajor, VersionMinor));
    m_view.showText("lblCopyRight", LegalCopyright);
    m_view.showText("lblDate", copyrightYearLine(int(m_clock.today().year())));
    m_view.showText("lblDescription", descriptionText());
    m_view.showText("lblContact", contactText());
    m_view.showText("lblEmail", emailLine());
}

void AboutController::okClicked()
{
    m_view.closeAccepted();
}

void AboutController::readMeClicked()
{
    m_platform.shellOpen(m_readMe);
}

void AboutController::webSiteClicked()
{
    m_platform.shellOpen(WebSiteAddress);
    m_view.closeAccepted();
}

void AboutController::emailClicked()
{
    m_platform.shellOpen(mailtoTarget());
    m_view.closeAccepted();
}

} // namespace varnholt
