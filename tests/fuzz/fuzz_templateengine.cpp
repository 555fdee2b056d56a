#include "FuzzInput.h"
#include "generator/TemplateEngine.h"

#include <QByteArrayView>

namespace {

constexpr qsizetype kMaxText = 1 << 16;

// The plain sequential replace: left to right, the text put in is not searched again.
QByteArray plainReplace(const QByteArray& text, const QByteArray& from, const QByteArray& to)
{
    if (from.isEmpty())
        return text;
    QByteArray out;
    for (qsizetype i = 0; i < text.size();) {
        if (QByteArrayView(text).sliced(i).startsWith(from)) {
            out += to;
            i += from.size();
        } else {
            out += text.at(i++);
        }
    }
    return out;
}

} // namespace

// Input: a flag byte (bit 0: the credit link; bit 1 + i: rule i's field is missing), the
// template, then per rule NUL placeholder NUL field text NUL empty value NUL default text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray rest = fuzzBytes(data, size);
    const int flags = rest.isEmpty() ? 0 : static_cast<uchar>(rest.front());
    rest = rest.mid(1);
    const QByteArray templateBytes = nextPart(rest);
    const bool linkAllowed = flags & 1;
    QByteArray expected =
        TemplateEngine::AppendCredit(TemplateEngine::LoadTemplate(templateBytes), linkAllowed);
    QList<PlaceholderRule> rules;
    TemplateEngine::Fields fields;
    for (int i = 0; i < 7 && !rest.isEmpty(); ++i) {
        const QByteArray placeholder = nextPart(rest), text = nextPart(rest);
        const PlaceholderRule rule{QString::number(i), placeholder,
                                   QString::fromLatin1(nextPart(rest)), nextPart(rest)};
        const bool missing = flags & (2 << i);
        if (!missing)
            fields.insert(rule.sourceField, {QString::fromLatin1(text), text});
        const bool empty = missing || QString::fromLatin1(text) == rule.emptyValue;
        const QByteArray& replacement = empty ? rule.defaultText : text;
        // Inputs whose text would grow past the bound are left out: they check nothing new.
        if (!placeholder.isEmpty() &&
            expected.size() / placeholder.size() * replacement.size() > kMaxText)
            return 0;
        expected = plainReplace(expected, placeholder, replacement);
        rules.append(rule);
    }
    require(TemplateEngine::generate(templateBytes, rules, fields, linkAllowed) == expected,
            "generate equals the plain sequential replace, rule by rule");
    return 0;
}
