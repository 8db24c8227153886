#include "platform/locale_date_forms.h"

#include <QDate>
#include <QRegularExpression>

namespace varnholt {

namespace {

bool isPosixLocale(const QLocale& locale)
{
    return locale.language() == QLocale::C || locale.name() == QLatin1String("C");
}

// A two-digit year could not tell 1753 from 2053.
QString withFourDigitYear(QString format)
{
    static const QRegularExpression years(QStringLiteral("y+"));
    return format.replace(years, QStringLiteral("yyyy"));
}

QDate toQDate(Date date)
{
    return QDate(int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())));
}

} // namespace

LocaleDateForms::LocaleDateForms(const QLocale& locale)
    : m_locale(locale),
      m_shortFormat(isPosixLocale(locale) ? QStringLiteral("dd/MM/yyyy")
                                          : withFourDigitYear(locale.dateFormat(QLocale::ShortFormat))),
      m_longFormat(isPosixLocale(locale) ? QStringLiteral("dddd, d MMMM yyyy") : locale.dateFormat(QLocale::LongFormat))
{
}

std::string LocaleDateForms::shortText(Date date) const
{
    return m_locale.toString(toQDate(date), m_shortFormat).toStdString();
}

std::string LocaleDateForms::longText(Date date) const
{
    return m_locale.toString(toQDate(date), m_longFormat).toStdString();
}

std::optional<Date> LocaleDateForms::parse(const std::string& text) const
{
    const QString trimmed = QString::fromStdString(text).trimmed();
    // The stored form first: a locale's own form could read it otherwise.
    QDate date = QDate::fromString(trimmed, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        date = m_locale.toDate(trimmed, m_shortFormat);
    if (!date.isValid())
        date = QDate::fromString(trimmed, QStringLiteral("d/M/yyyy"));
    if (!date.isValid() || date.year() < 1)
        return std::nullopt;
    return Date{std::chrono::year{date.year()}, std::chrono::month{unsigned(date.month())},
                std::chrono::day{unsigned(date.day())}};
}

} // namespace varnholt
