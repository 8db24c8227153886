// SPDX-License-Identifier: MIT
#include "core/forms/image_browser_layout.h"

#include "core/motion/size_steps.h"
#include "gui/browse/file_controls.h"
#include "gui/browse/image_browser.h"
#include "gui/widgets/form_builder.h"
#include "gui/widgets/image_list.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace varnholt {

namespace {

QWidget* makeCustomControl(const ControlRow& row, QWidget* parent)
{
    if (row.name == "dirImages")
        return new FolderList(parent);
    if (row.name == "flbFiles")
        return new FileList(parent);
    return new DriveList(parent);
}

// The page area of the tab strip, drawn as the style draws a tab widget's frame.
class TabPane final : public QWidget {
public:
    TabPane(QWidget* parent, int tabBarHeight) : QWidget(parent), m_tabBarHeight(tabBarHeight) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        option.rect = rect().adjusted(0, m_tabBarHeight - 1, 0, 0);
        option.shape = QTabBar::RoundedNorth;
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, option);
    }

private:
    int m_tabBarHeight;
};

} // namespace

void ImageBrowser::Controls::bind(const FormBuilder& form)
{
    BIND_CONTROLS(form, cmdTakeFocus, tbsImages, fraImages, lblFolders, dirImages, lblFiles, flbFiles, lblDrives,
                  drvImages, lblCurFile, txtCurImage, lblPreview, fraPreview, imgPreview, lblResize, lblScrollSize,
                  lblSmaller, cmdSize, lblLarger, lblSize, lblImageStyleMsg, optImageStyle, cmdOK, cmdCancel);
    // Numbered as the pictures are, from 1.
    form.fill(imgPhotos, "imgPhotos", 1);
    form.fill(lblPhotos, "lblPhotos", 1);
}

void ImageBrowser::buildControls()
{
    FormBuilder form(*this, m_twips, {.labelAlignment = Qt::AlignLeft | Qt::AlignTop});
    form.build(imageBrowserLayout(), makeCustomControl);

    m_ui.bind(form);

    m_ui.tbsImages->installEventFilter(this);
    // The row's box is the whole strip: the tabs take their own height, a pane under them the rest.
    const int tabBarHeight = m_ui.tbsImages->sizeHint().height();
    auto* pane = new TabPane(this, tabBarHeight);
    // Filled, so that cmdTakeFocus stays hidden behind the strip.
    pane->setAutoFillBackground(true);
    pane->setGeometry(m_ui.tbsImages->geometry());
    pane->stackUnder(m_ui.tbsImages);
    m_ui.tbsImages->resize(m_ui.tbsImages->width(), tabBarHeight);

    for (QFrame* page : m_ui.fraImages)
        page->setAutoFillBackground(true);
    // The picture grid is one Tab stop, as a list is, and shows its focus around the chosen picture.
    m_ui.fraImages[0]->setFocusPolicy(Qt::StrongFocus);
    m_ui.fraImages[0]->installEventFilter(this);
    m_photoFocus = new QFrame(m_ui.fraImages[0]);
    m_photoFocus->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_photoFocus->setLineWidth(2);
    QPalette focusPalette = m_photoFocus->palette();
    focusPalette.setColor(QPalette::WindowText, focusPalette.color(QPalette::Highlight));
    m_photoFocus->setPalette(focusPalette);
    m_photoFocus->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_photoFocus->hide();
    // cmdTakeFocus only takes the focus from buttons and tabs: it is no stop of its own.
    m_ui.cmdTakeFocus->setFocusPolicy(Qt::NoFocus);
    for (int i = 1; i <= BuiltinPictureCount; ++i) {
        for (QLabel* control : {m_ui.imgPhotos[i], m_ui.lblPhotos[i]})
            control->installEventFilter(this);
    }
    m_ui.flbFiles->setTypes(m_platform.pictureFileTypes());
    m_ui.fraPreview->setFrameShadow(QFrame::Sunken);
    const std::array<const char*, 3> pictures{"size_smaller", "size_actual", "size_larger"};
    for (int index = SizeDecrease; index <= SizeIncrease; ++index) {
        const QPixmap picture = renderSvg(QStringLiteral(":/pictures/%1.svg").arg(QLatin1String(pictures[index])));
        m_ui.cmdSize[index]->setIcon(picture);
        m_ui.cmdSize[index]->setIconSize(picture.size());
    }
    showPage(0);
}

} // namespace varnholt
