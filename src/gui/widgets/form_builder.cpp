// SPDX-License-Identifier: MIT
#include "gui/widgets/form_builder.h"

#include "gui/widgets/palette.h"

#include <QAbstractButton>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolTip>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace varnholt {

namespace {

Qt::Alignment labelAlignment(Qt::Alignment form, Look look)
{
    Qt::Alignment horizontal = form & Qt::AlignHorizontal_Mask;
    if (has(look, Look::Right))
        horizontal = Qt::AlignRight;
    else if (has(look, Look::Centre))
        horizontal = Qt::AlignHCenter;
    return horizontal | (has(look, Look::Top) ? Qt::AlignTop : form & Qt::AlignVertical_Mask);
}

QFrame* makeFrame(QWidget* parent, QFrame::Shape shape)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(shape);
    return frame;
}

// The tables were measured for a narrower gap between an indicator and its
// caption than this style's: with the style's own, the longer captions run into
// the next control.
class CaptionGapStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_RadioButtonLabelSpacing || metric == PM_CheckBoxLabelSpacing)
            return 3;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QStyle* captionGapStyle()
{
    static CaptionGapStyle* const style = new CaptionGapStyle;
    return style;
}

// As tall as the style's indicator needs, about the same middle line.
void fitIndicator(QAbstractButton& control)
{
    control.setStyle(captionGapStyle());
    const int needed = control.sizeHint().height();
    if (control.height() < needed)
        control.setGeometry(control.x(), control.y() + control.height() / 2 - needed / 2, control.width(), needed);
}

// An option or check box, or a panel of them.
bool holdsIndicators(const QWidget& row)
{
    return qobject_cast<const QRadioButton*>(&row) || qobject_cast<const QCheckBox*>(&row)
        || row.findChild<QRadioButton*>() || row.findChild<QCheckBox*>();
}

// A frame's caption and its top line stay clear of its first row of options:
// the rows move down together, and the frame grows by as much.
void clearCaption(QGroupBox& frame)
{
    const QList<QWidget*> rows = frame.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (frame.title().isEmpty() || rows.isEmpty())
        return;
    int top = frame.height();
    for (const QWidget* row : rows) {
        if (holdsIndicators(*row))
            top = std::min(top, row->y());
    }
    // Below the caption's box, which is where the style draws the frame's top line.
    const int shift = frame.contentsRect().top() + 1 - top;
    if (shift <= 0)
        return;
    for (QWidget* row : rows)
        row->move(row->x(), row->y() + shift);
    frame.resize(frame.width(), frame.height() + shift);
}

} // namespace

QFont controlFont()
{
    // The twips boxes were measured for 8-point captions of Arial's widths; where
    // Arial is missing, fontconfig picks a face with its metrics if one is installed.
    return QFont(QStringLiteral("Arial"), 8);
}

FormBuilder::FormBuilder(QWidget& window, const TwipsGeometry& twips, FormLook look)
    : m_window(window), m_twips(twips), m_look(std::move(look))
{
    // Explicit, so that no control inherits its frame's bold caption.
    m_look.font.setBold(false);
    m_window.setFont(m_look.font);
}

void FormBuilder::build(std::span<const ControlRow> rows, const CustomMaker& makeCustom)
{
    for (const ControlRow& row : rows) {
        if (row.kind == ControlKind::Tab) {
            auto* strip = static_cast<QTabBar*>(control(row.parent));
            strip->setTabToolTip(strip->addTab(qString(row.caption)), qString(row.toolTip));
            continue;
        }
        if (row.kind == ControlKind::Form) {
            m_window.setObjectName(qString(row.name));
            m_window.setFixedSize(toQRect(m_twips.toPixels(row.rect)).size());
            continue;
        }
        QWidget* widget = make(row, row.parent.empty() ? &m_window : control(row.parent), makeCustom);
        widget->setObjectName(qString(row.name));
        widget->setFont(m_look.font);
        QRect box = toQRect(m_twips.toPixels(row.rect));
        if (row.kind == ControlKind::Line)
            box.setHeight(1);
        widget->setGeometry(box);
        widget->setToolTip(qString(row.toolTip));
        applyLook(widget, row);
        if (!m_controls.emplace(row.name, widget).second)
            qFatal("two controls are named %.*s", int(row.name.size()), row.name.data());
        if (row.kind == ControlKind::Option || row.kind == ControlKind::CheckBox)
            fitIndicator(*static_cast<QAbstractButton*>(widget));
    }
    for (QGroupBox* frame : m_window.findChildren<QGroupBox*>())
        clearCaption(*frame);
}

QWidget* FormBuilder::make(const ControlRow& row, QWidget* parent, const CustomMaker& makeCustom) const
{
    const QString caption = qString(row.caption);
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::Picture: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(labelAlignment(m_look.labelAlignment, row.look));
        label->setScaledContents(row.kind == ControlKind::Picture);
        label->setText(caption);
        return label;
    }
    case ControlKind::TextBox:
        return new QLineEdit(caption, parent);
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        if (!m_look.autoDefaultButtons)
            button->setAutoDefault(false);
        return button;
    }
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::Option:
        return new QRadioButton(caption, parent);
    case ControlKind::Frame:
        return new QGroupBox(caption, parent);
    case ControlKind::Box:
        return makeFrame(parent, QFrame::Box);
    case ControlKind::Panel:
        return makeFrame(parent, QFrame::NoFrame);
    case ControlKind::Line: {
        QFrame* line = makeFrame(parent, QFrame::HLine);
        line->setFrameShadow(QFrame::Plain);
        return line;
    }
    case ControlKind::ScrollBar:
        return new QScrollBar(Qt::Horizontal, parent);
    case ControlKind::Calendar:
        return new QCalendarWidget(parent);
    case ControlKind::TabStrip: {
        auto* strip = new QTabBar(parent);
        strip->setExpanding(false);
        return strip;
    }
    case ControlKind::Form:
    case ControlKind::Tab:
    case ControlKind::Custom:
        break;
    }
    if (!makeCustom)
        qFatal("nothing makes the control %.*s", int(row.name.size()), row.name.data());
    return makeCustom(row, parent);
}

void FormBuilder::applyLook(QWidget* widget, const ControlRow& row) const
{
    if (has(row.look, Look::Emphasis))
        emphasise(widget, true);
    else if (has(row.look, Look::Bold))
        setBold(widget, true);
    if (has(row.look, Look::Blue))
        setTextColour(widget, DarkBlue);
    if (has(row.look, Look::Note)) {
        setTextColour(widget, DarkRed);
        setBackColour(widget, QToolTip::palette().color(QPalette::ToolTipBase));
    }
    auto* frame = qobject_cast<QFrame*>(widget);
    if (frame && has(row.look, Look::Boxed)) {
        frame->setFrameShape(QFrame::Box);
        setBackColour(frame, Qt::white);
    }
    auto* textBox = qobject_cast<QLineEdit*>(widget);
    if (textBox && has(row.look, Look::ReadOnly))
        textBox->setReadOnly(true);
    if (has(row.look, Look::ClickFocus))
        widget->setFocusPolicy(Qt::ClickFocus);
    if (has(row.look, Look::Link))
        widget->setCursor(Qt::PointingHandCursor);
    if (has(row.look, Look::Hidden))
        widget->hide();
}

void chainTabs(const QWidget& window, std::span<const std::string_view> names)
{
    QWidget* previous = nullptr;
    for (const std::string_view name : names) {
        auto* next = window.findChild<QWidget*>(qString(name));
        if (!next)
            qFatal("no control %.*s to chain", int(name.size()), name.data());
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

std::string_view FormBuilder::nextName(std::string_view names, std::size_t& at)
{
    const auto separator = [](char c) { return c == ',' || c == ' '; };
    while (at < names.size() && separator(names[at]))
        ++at;
    const std::size_t start = at;
    while (at < names.size() && !separator(names[at]))
        ++at;
    return names.substr(start, at - start);
}

QWidget* FormBuilder::control(std::string_view name) const
{
    const auto found = m_controls.find(name);
    if (found == m_controls.end()) {
        qFatal("no control %.*s in the layout table", int(name.size()), name.data());
        std::abort();
    }
    return found->second;
}

void FormBuilder::wrongKind(std::string_view name)
{
    qFatal("the control %.*s is of another kind", int(name.size()), name.data());
    std::abort();
}

} // namespace varnholt
