#include "support/widget_harness.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

namespace varnholt::test {

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

std::string WindowHarness::stored(const std::string& section, const std::string& key) const
{
    const std::optional<std::string> value = fakes.store.value(section, key);
    return value.value_or(std::string());
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
        if (row.kind == ControlKind::Form) {
            if (window.objectName() != row.name)
                mistakes << QStringLiteral("the window is not named %1").arg(row.name);
            continue;
        }
        const QList<QWidget*> found = window.findChildren<QWidget*>(row.name);
        if (found.size() != 1) {
            mistakes << QStringLiteral("%1: %2 controls").arg(row.name).arg(found.size());
            continue;
        }
        const QWidget* parent = found[0]->parentWidget();
        if ((parent == &window ? QString() : parent->objectName()) != row.parent)
            mistakes << QStringLiteral("%1 lies in %2").arg(row.name, parent->objectName());
        QRect box = found[0]->geometry();
        if (row.kind == ControlKind::Line)
            box = QRect(0, box.y(), parent->width(), box.height());
        if (!parent->rect().contains(box))
            mistakes << QStringLiteral("%1 reaches out of its parent").arg(row.name);
    }
    return mistakes.join(u'\n');
}

} // namespace varnholt::test
