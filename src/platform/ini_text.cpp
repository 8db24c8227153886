// SPDX-License-Identifier: MIT
#include "platform/ini_text.h"

#include <QList>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace varnholt {

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");

// Windows-1252 where it differs from Latin-1: 0x80 to 0x9F.
constexpr std::array<char16_t, 32> Windows1252High{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Files written on Windows hold this, not UTF-8; any byte sequence decodes.
QString fromWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text.append(code >= 0x80 && code < 0xA0 ? QChar(Windows1252High[code - 0x80]) : QChar(char16_t(code)));
    }
    return text;
}

QString decoded(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

// The line without its carriage return and, on the first line, the byte-order mark.
QString lineText(QByteArray bytes, bool first)
{
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    if (first && bytes.startsWith(ByteOrderMark))
        bytes.remove(0, ByteOrderMark.size());
    return decoded(bytes);
}

bool isComment(const QString& trimmed)
{
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

// "[Name]" with nothing but blanks or a comment after it.
std::optional<QString> headerName(const QString& trimmed)
{
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (!trimmed.startsWith(QLatin1Char('[')) || close < 0)
        return std::nullopt;
    const QString rest = trimmed.mid(close + 1).trimmed();
    if (!rest.isEmpty() && !isComment(rest))
        return std::nullopt;
    return trimmed.mid(1, close - 1).trimmed();
}

bool isQuoted(const QString& text)
{
    return text.size() >= 2 && text.startsWith(QLatin1Char('"')) && text.endsWith(QLatin1Char('"'));
}

bool isQuoted(const QByteArray& text)
{
    return text.size() >= 2 && text.startsWith('"') && text.endsWith('"');
}

// The blanks around "=" are no part of a value: leading blanks of a value, or a
// value in quotes of its own, are kept by quoting it, as INI readers expect.
QByteArray storedForm(const QByteArray& value)
{
    const bool quote = value.startsWith(' ') || value.startsWith('\t') || isQuoted(value);
    return quote ? '"' + value + '"' : value;
}

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniText::IniText(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    m_endsWithBreak = bytes.isEmpty() || bytes.endsWith('\n');
    if (m_endsWithBreak)
        lines.removeLast();
    m_crlf = !lines.isEmpty() && lines.front().endsWith('\r');
    QString section;
    for (const QByteArray& raw : lines) {
        const QString trimmed = lineText(raw, m_lines.empty()).trimmed();
        Line line{raw, section, {}, false};
        if (const std::optional<QString> name = headerName(trimmed)) {
            section = *name;
            line.section = section;
            line.header = true;
        } else if (const qsizetype equals = trimmed.indexOf(QLatin1Char('=')); equals > 0 && !isComment(trimmed)) {
            line.key = trimmed.left(equals).trimmed();
        }
        m_lines.push_back(std::move(line));
    }
}

std::vector<IniText::Line>::const_iterator IniText::find(const QString& section, const QString& key) const
{
    return std::find_if(m_lines.begin(), m_lines.end(), [&](const Line& line) {
        return !line.key.isEmpty() && sameName(line.key, key) && sameName(line.section, section);
    });
}

std::vector<IniText::Line>::iterator IniText::find(const QString& section, const QString& key)
{
    const auto found = std::as_const(*this).find(section, key);
    return m_lines.begin() + (found - m_lines.cbegin());
}

std::optional<QString> IniText::value(const QString& section, const QString& key) const
{
    const auto line = find(section, key);
    if (line == m_lines.end())
        return std::nullopt;
    QString text = lineText(line->bytes, line == m_lines.begin());
    text = text.mid(text.indexOf(QLatin1Char('=')) + 1);
    const auto firstKept = std::find_if(text.begin(), text.end(), [](QChar c) { return c != u' ' && c != u'\t'; });
    text = text.mid(firstKept - text.begin());
    return isQuoted(text) ? text.mid(1, text.size() - 2) : text;
}

std::optional<QByteArray> IniText::rawValue(const QString& section, const QString& key) const
{
    const auto line = find(section, key);
    if (line == m_lines.end())
        return std::nullopt;
    QByteArray text = line->bytes;
    if (text.endsWith('\r'))
        text.chop(1);
    text = text.mid(text.indexOf('=') + 1);
    const auto firstKept = std::find_if(text.begin(), text.end(), [](char c) { return c != ' ' && c != '\t'; });
    text = text.mid(firstKept - text.begin());
    return isQuoted(text) ? text.mid(1, text.size() - 2) : text;
}

// Just after the section's last line that is not blank, so that blank lines
// between sections stay between them; the end when the section is new.
std::vector<IniText::Line>::iterator IniText::endOfSection(const QString& section)
{
    auto end = m_lines.end();
    for (auto line = m_lines.begin(); line != m_lines.end(); ++line) {
        if (sameName(line->section, section) && (line->header || !line->bytes.trimmed().isEmpty()))
            end = line + 1;
    }
    return end;
}

void IniText::setValue(const QString& section, const QString& key, const QString& value)
{
    if (this->value(section, key) != value)
        setRawValue(section, key, value.toUtf8()); // else kept byte for byte, spacing and encoding included
}

void IniText::setRawValue(const QString& section, const QString& key, const QByteArray& value)
{
    if (rawValue(section, key) == value)
        return;
    const auto existing = find(section, key);
    const QByteArray lineEnd = m_crlf ? QByteArray("\r") : QByteArray();
    if (existing != m_lines.end()) {
        existing->bytes = existing->key.toUtf8() + '=' + storedForm(value)
            + (existing->bytes.endsWith('\r') ? "\r" : "");
        return;
    }
    auto end = endOfSection(section);
    const bool known = std::any_of(m_lines.begin(), m_lines.end(),
                                   [&](const Line& line) { return sameName(line.section, section); });
    QString spelling = section;
    if (known) {
        spelling = std::find_if(m_lines.begin(), m_lines.end(), [&](const Line& line) {
                       return sameName(line.section, section);
                   })->section;
    } else if (section.isEmpty()) {
        end = m_lines.begin(); // keys without a section must precede the first header
    } else {
        end = m_lines.insert(end, Line{'[' + section.toUtf8() + ']' + lineEnd, section, {}, true}) + 1;
    }
    if (end == m_lines.end())
        m_endsWithBreak = true;
    m_lines.insert(end, Line{key.toUtf8() + '=' + storedForm(value) + lineEnd, spelling, key, false});
}

QByteArray IniText::bytes() const
{
    QByteArray text;
    for (const Line& line : m_lines)
        text += line.bytes + '\n';
    if (!m_endsWithBreak && !text.isEmpty())
        text.chop(1);
    return text;
}

} // namespace varnholt
