// SPDX-License-Identifier: MIT
#include "platform/locale_date_forms.h"

#include "support/fakes.h"

#include <QTest>

namespace varnholt {

using test::ymd;
using OptionalDate = std::optional<Date>;

class LocaleDateFormsTest final : public QObject {
    Q_OBJECT

private slots:
    void forms_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("shortForm");
        QTest::addColumn<QString>("longForm");
        const QString dayFirstLong = QStringLiteral("Monday, 5 March 1753");
        QTest::newRow("C") << QLocale::c() << QStringLiteral("05/03/1753") << dayFirstLong;
        QTest::newRow("en_US") << QLocale(QStringLiteral("en_US")) << QStringLiteral("3/5/1753")
                               << QStringLiteral("Monday, March 5, 1753");
        QTest::newRow("de_DE") << QLocale(QStringLiteral("de_DE")) << QStringLiteral("05.03.1753")
                               << QStringLiteral("Montag, 5. März 1753");
    }

    void forms()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, shortForm);
        QFETCH(QString, longForm);
        const PatternDateForms forms = localeDateForms(locale);
        QCOMPARE(QString::fromStdString(forms.shortText(ymd(1753, 3, 5))), shortForm);
        QCOMPARE(QString::fromStdString(forms.longText(ymd(1753, 3, 5))), longForm);
    }

    void parse_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<OptionalDate>("expected");
        const QLocale c = QLocale::c();
        const QLocale us(QStringLiteral("en_US"));
        const QLocale de(QStringLiteral("de_DE"));
        const OptionalDate leapDay = ymd(2012, 2, 29);
        QTest::newRow("short") << c << QStringLiteral("29/02/2012") << leapDay;
        QTest::newRow("ISO") << c << QStringLiteral("2012-02-29") << leapDay;
        QTest::newRow("no leading zeros") << c << QStringLiteral("1/2/2012") << OptionalDate(ymd(2012, 2, 1));
        QTest::newRow("blanks around") << c << QStringLiteral("  29/02/2012 ") << leapDay;
        QTest::newRow("month first in en_US") << us << QStringLiteral("2/1/2012") << OptionalDate(ymd(2012, 2, 1));
        QTest::newRow("ISO in en_US") << us << QStringLiteral("2012-02-29") << leapDay;
        QTest::newRow("day first where the locale is not") << us << QStringLiteral("29/02/2012") << leapDay;
        QTest::newRow("de_DE") << de << QStringLiteral("29.02.2012") << leapDay;
        QTest::newRow("29 February of a common year") << c << QStringLiteral("29/02/2011") << OptionalDate();
        QTest::newRow("month 13") << c << QStringLiteral("01/13/2012") << OptionalDate();
        QTest::newRow("trailing junk") << c << QStringLiteral("29/02/2012x") << OptionalDate();
        QTest::newRow("time of day") << c << QStringLiteral("29/02/2012 12:00") << OptionalDate();
        QTest::newRow("two-digit year in C") << c << QStringLiteral("29/02/12") << OptionalDate();
        QTest::newRow("empty") << c << QString() << OptionalDate();
        QTest::newRow("non-ASCII") << c << QStringLiteral("２９/０２/２０１２ – 日本") << OptionalDate();
        QTest::newRow("long junk") << c << QString(10000, QLatin1Char('9')) << OptionalDate();
    }

    void parse()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(OptionalDate, expected);
        QCOMPARE(localeDateForms(locale).parse(text.toStdString()), expected);
    }
};

} // namespace varnholt

QTEST_GUILESS_MAIN(varnholt::LocaleDateFormsTest)

#include "locale_date_forms_test.moc"
