// SPDX-License-Identifier: MIT
#include "gui/widgets/control_states.h"

#include "gui/widgets/text_style.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace varnholt {

QWidget* controlNamed(QWidget& form, std::string_view name)
{
    auto* widget = form.findChild<QWidget*>(qString(name));
    if (!widget)
        qFatal("no control %.*s in %s", int(name.size()), name.data(), qPrintable(form.objectName()));
    return widget;
}

void showControlText(QWidget& form, std::string_view name, const std::string& text)
{
    QWidget* widget = controlNamed(form, name);
    const QString shown = QString::fromStdString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != shown)
            edit->setText(shown);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(shown);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(shown);
    } else {
        qFatal("control %.*s shows no text", int(name.size()), name.data());
    }
}

void showControlChecked(QWidget& form, std::string_view name, bool checked)
{
    auto* button = qobject_cast<QAbstractButton*>(controlNamed(form, name));
    if (!button)
        qFatal("control %.*s has no check", int(name.size()), name.data());
    button->setChecked(checked);
}

void showControlEnabled(QWidget& form, std::string_view name, bool enabled)
{
    controlNamed(form, name)->setEnabled(enabled);
}

void showControlVisible(QWidget& form, std::string_view name, bool visible)
{
    controlNamed(form, name)->setVisible(visible);
}

} // namespace varnholt
