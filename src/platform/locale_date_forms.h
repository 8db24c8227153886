#pragma once

#include "core/common/services.h"

#include <QLocale>
#include <QString>

namespace varnholt {

// The user's short and long date forms; day first with a four-digit year
// where the locale has no form of its own (C or POSIX).
class LocaleDateForms final : public DateForms {
public:
    explicit LocaleDateForms(const QLocale& locale = QLocale::system());

    std::string shortText(Date date) const override;
    std::string longText(Date date) const override;
    // The short form, ISO yyyy-MM-dd or d/M/yyyy.
    std::optional<Date> parse(const std::string& text) const override;

private:
    QLocale m_locale;
    QString m_shortFormat;
    QString m_longFormat;
};

} // namespace varnholt
