// SPDX-License-Identifier: MIT
#include "support/widget_harness.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTest>

namespace varnholt::test {

namespace {

// What the style draws of an option or check box: its whole indicator, and a
// caption that reaches into no neighbouring control.
QString drawingMistakes(const QWidget& control)
{
    const auto* button = qobject_cast<const QAbstractButton*>(&control);
    const auto* frame = qobject_cast<const QGroupBox*>(control.parentWidget());
    const bool indicators = qobject_cast<const QRadioButton*>(button) || qobject_cast<const QCheckBox*>(button)
        || control.findChild<QRadioButton*>() || control.findChild<QCheckBox*>();
    // A captioned frame draws its top line below the caption's box.
    if (indicators && frame && !frame->title().isEmpty() && control.y() <= frame->contentsRect().top())
        return QStringLiteral("%1 sits on its frame's caption").arg(control.objectName());
    const bool option = qobject_cast<const QRadioButton*>(button);
    if (!option && !qobject_cast<const QCheckBox*>(button))
        return {};
    if (control.height() < control.sizeHint().height())
        return QStringLiteral("%1 cuts its indicator").arg(control.objectName());
    const QStyle& style = *control.style();
    const int indicator = style.pixelMetric(option ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth);
    const int gap = style.pixelMetric(option ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing);
    const QFontMetrics metrics = control.fontMetrics();
    const QRect caption(control.x(), control.y() + (control.height() - metrics.height()) / 2,
                        indicator + gap + metrics.horizontalAdvance(button->text()), metrics.height());
    for (const QWidget* other : control.parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool neighbour = other != &control && other->isVisibleTo(control.parentWidget());
        if (neighbour && other->x() > control.x() && caption.intersects(other->geometry()))
            return QStringLiteral("%1 runs into %2").arg(control.objectName(), other->objectName());
    }
    return {};
}

} // namespace

WindowHarness::WindowHarness(bool iniStore)
    : m_ini(iniStore ? std::make_unique<IniStore>(m_dir.filePath(QStringLiteral("Varnholt.ini"))) : nullptr)
{
}

SettingsStore& WindowHarness::store()
{
    return m_ini ? static_cast<SettingsStore&>(*m_ini) : fakes.store;
}

QString WindowHarness::iniPath() const
{
    return m_dir.filePath(QStringLiteral("Varnholt.ini"));
}

void WindowHarness::set(const char* section, const char* key, const std::string& text)
{
    store().saveSetting(section, key, text);
    store().commit();
    fakes.store.writes.clear();
}

void WindowHarness::set(const char* section, const QString& pairs)
{
    for (const QString& pair : pairs.split(u' ', Qt::SkipEmptyParts))
        set(section, pair.section(u'=', 0, 0).toLatin1().constData(), pair.section(u'=', 1).toStdString());
}

QString WindowHarness::text(const char* name) const
{
    return find(name)->property("text").toString();
}

bool WindowHarness::shown(const char* name) const
{
    return !find(name)->isHidden();
}

void WindowHarness::click(const QString& names) const
{
    for (const QString& name : names.split(u' ', Qt::SkipEmptyParts))
        find<QAbstractButton>(name.toLatin1().constData())->click();
}

void WindowHarness::type(const char* name, const QString& text) const
{
    auto* box = find<QLineEdit>(name);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QString layoutMistakes(const QWidget& window, std::span<const ControlRow> rows)
{
    QStringList mistakes;
    for (const ControlRow& row : rows) {
        const QString name = qString(row.name);
        if (row.kind == ControlKind::Tab) {
            const auto* strip = window.findChild<QTabBar*>(qString(row.parent));
            int tab = strip ? strip->count() - 1 : -1;
            while (tab >= 0 && strip->tabText(tab) != qString(row.caption))
                --tab;
            if (tab < 0 || strip->tabToolTip(tab) != qString(row.toolTip))
                mistakes << QStringLiteral("%1: no such tab in %2").arg(name, qString(row.parent));
            continue;
        }
        if (row.kind == ControlKind::Form) {
            if (window.objectName() != name)
                mistakes << QStringLiteral("the window is not named %1").arg(name);
            continue;
        }
        const QList<QWidget*> found = window.findChildren<QWidget*>(name);
        if (found.size() != 1) {
            mistakes << QStringLiteral("%1: %2 controls").arg(name).arg(found.size());
            continue;
        }
        const QWidget* parent = found[0]->parentWidget();
        if ((parent == &window ? QString() : parent->objectName()) != qString(row.parent))
            mistakes << QStringLiteral("%1 lies in %2").arg(name, parent->objectName());
        QRect box = found[0]->geometry();
        if (row.kind == ControlKind::Line)
            box = QRect(0, box.y(), parent->width(), box.height());
        if (!parent->rect().contains(box))
            mistakes << QStringLiteral("%1 reaches out of its parent").arg(name);
        mistakes << drawingMistakes(*found[0]);
    }
    mistakes.removeAll(QString());
    return mistakes.join(u'\n');
}

} // namespace varnholt::test
