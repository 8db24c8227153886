// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace varnholt {

// The text of an INI file that other programs also read and write: "[Section]"
// headers (a comment after them allowed), "key = value" lines and comments.
// Section and key names match without regard to case; a line the caller does
// not change is written back byte for byte.
class IniText final {
public:
    explicit IniText(const QByteArray& bytes = {});

    // The value as typed after the "=" and its blanks; UTF-8, or Windows-1252
    // when the bytes are no UTF-8. Keys before the first header have the section "".
    std::optional<QString> value(const QString& section, const QString& key) const;
    // Replaces the key's line, keeping the key's spelling, or adds the key at
    // the end of its section (the section at the end of the text when new).
    void setValue(const QString& section, const QString& key, const QString& value);
    // The same as bytes, not decoded: for values that are file names, which need not be UTF-8.
    std::optional<QByteArray> rawValue(const QString& section, const QString& key) const;
    void setRawValue(const QString& section, const QString& key, const QByteArray& value);

    QByteArray bytes() const;

private:
    struct Line {
        QByteArray bytes; // as in the file, without the line break
        QString section;  // the section it belongs to, as spelled in its header
        QString key;      // empty for headers, comments and blank lines
        bool header = false;
    };

    std::vector<Line>::iterator find(const QString& section, const QString& key);
    std::vector<Line>::const_iterator find(const QString& section, const QString& key) const;
    std::vector<Line>::iterator endOfSection(const QString& section);

    std::vector<Line> m_lines;
    bool m_crlf = false; // new lines follow the file's line breaks
    bool m_endsWithBreak = true;
};

} // namespace varnholt
