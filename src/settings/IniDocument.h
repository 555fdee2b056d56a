#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

// The text of an INI file with the profile-string semantics: "[section]" and "key=value" lines,
// section and key names matched without regard to ASCII letter case, blanks around names and
// values ignored, one pair of surrounding quotes stripped from a value on reading. Only the
// first section of a name counts, and within it the first key of a name. Every other line,
// comments and garbage included, is kept as it was when a value is set.
class IniDocument
{
public:
    static IniDocument parse(const QByteArray& bytes);

    std::optional<QByteArray> value(const QByteArray& section, const QByteArray& key) const;
    // The names of the section's keys in the order of their lines, each as its line spells it;
    // nothing when there is no such section.
    std::optional<QList<QByteArray>> keys(const QByteArray& section) const;

    // Replaces the key's line in place, or appends the key at the end of its section, or the
    // section at the end of the text. A value that would not read back as written (outer blanks
    // or outer quotes) is written inside double quotes.
    void setValue(const QByteArray& section, const QByteArray& key, const QByteArray& value);

    // Every line followed by CR LF.
    QByteArray serialize() const;

    // Whether a text can stand as a value on one line of the file.
    static bool isStorable(const QByteArray& text);
    // Whether a name reads back as itself: a section name holds no "]", which would end its
    // header early; a key holds no "=" and does not start with "[", which would make its line
    // a different key or a header.
    static bool isSectionName(const QByteArray& name);
    static bool isKeyName(const QByteArray& name);

private:
    struct Range
    {
        int header = -1; // index of the "[section]" line
        int end = 0;     // one past the section's last line
    };

    std::optional<Range> findSection(const QByteArray& section) const;
    int findKey(const Range& range, const QByteArray& key) const;
    QByteArray content(int line) const;

    QList<QByteArray> m_lines;
};
