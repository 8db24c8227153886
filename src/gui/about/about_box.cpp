#include "gui/about/about_box.h"

#include "core/program/about_texts.h"
#include "gui/widgets/image_list.h"
#include "core/common/numbers.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace varnholt {

namespace {

const QColor DarkBlue(0x00, 0x00, 0xC0);

void makeBoldDarkBlue(QLabel* label)
{
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, DarkBlue);
    label->setPalette(palette);
}

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

} // namespace

AboutBox::AboutBox(ProgramState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_screen(state.services.platform.screen())
{
    setObjectName(QStringLiteral("frmAbout"));
    setModal(true);
    setFixedSize(toPixelsX(7416), toPixelsY(6204));
    // The twips boxes were measured for an 8-point face: larger text is clipped.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    imgLogo = makeLabel("imgLogo", 252, 144, 2220, 1020);
    imgLogo->setScaledContents(true);
    lblTitle = makeLabel("lblTitle", 2664, 168, 4488, 336);
    lblVersion = makeLabel("lblVersion", 2664, 516, 1464, 300);
    lblCopyRight = makeLabel("lblCopyRight", 4140, 516, 3012, 300);
    lblDate = makeLabel("lblDate", 4140, 816, 3012, 300);
    lblDescription = makeLabel("lblDescription", 240, 1248, 6912, 1212);
    lblContact = makeLabel("lblContact", 240, 4356, 6912, 684);
    for (QLabel* label : {lblTitle, lblVersion, lblCopyRight, lblDate})
        makeBoldDarkBlue(label);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    lblTitle->setFont(titleFont);
    for (QLabel* label : {lblCopyRight, lblDate})
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    for (QLabel* label : {lblDescription, lblContact})
        label->setWordWrap(true);

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setGeometry(toPixelsX(-60), toPixelsY(5088), toPixelsX(7440 - -60), 1);

    lblWebSite = makeLink("lblWebSite", " Click to visit Vendor's WebSite ", 252, 5220, 3912, 324);
    lblEmail = makeLink("lblEmail", " Click to Send an Email ", 4140, 5220, 3012, 324);
    lblEmail->setAlignment(Qt::AlignRight | Qt::AlignTop);

    cmdViewReadMe = makeButton("cmdViewReadMe", " View Read Me using WordPad ", 3846, 5652, 1560, 384);
    cmdOK = makeButton("cmdOK", " Exit ", 5592, 5652, 1560, 384);
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
    lblWebSite->setText(QStringLiteral("Kestle Website"));
    lblEmail->setText(text(emailLine()));
    imgLogo->setPixmap(renderSvg(QStringLiteral(":/pictures/logo_about.svg")));
    cmdViewReadMe->setText(QStringLiteral("View Read Me"));
    cmdOK->setText(QStringLiteral("OK"));
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

QLabel* AboutBox::makeLabel(const char* name, int left, int top, int width, int height)
{
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(label, left, top, width, height);
    return label;
}

QLabel* AboutBox::makeLink(const char* name, const char* toolTip, int left, int top, int width, int height)
{
    QLabel* label = makeLabel(name, left, top, width, height);
    makeBoldDarkBlue(label);
    label->setToolTip(QString::fromLatin1(toolTip));
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
    return label;
}

QPushButton* AboutBox::makeButton(const char* name, const char* toolTip, int left, int top, int width, int height)
{
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(toolTip));
    place(button, left, top, width, height);
    return button;
}

void AboutBox::place(QWidget* widget, int left, int top, int width, int height) const
{
    widget->setGeometry(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

int AboutBox::toPixelsX(int twips) const
{
    return int(roundHalfEven(twips / m_screen.twipsPerPixelX));
}

int AboutBox::toPixelsY(int twips) const
{
    return int(roundHalfEven(twips / m_screen.twipsPerPixelY));
}

} // namespace varnholt
