#include "FuzzInput.h"
#include "generator/FramedFill.h"
#include "generator/TemplateEngine.h"

namespace {

constexpr qsizetype kMaxText = 1 << 16;

bool hasBreak(const QByteArray& text)
{
    return text.contains('\r') || text.contains('\n');
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
    const QByteArray unfilled =
        TemplateEngine::AppendCredit(TemplateEngine::LoadTemplate(templateBytes), linkAllowed);
    QList<PlaceholderRule> rules, unchanging;
    TemplateEngine::Fields fields;
    bool lineBound = true;
    qsizetype longest = 1;
    for (int i = 0; i < 7 && !rest.isEmpty(); ++i) {
        const QByteArray placeholder = nextPart(rest), text = nextPart(rest);
        const PlaceholderRule rule{QString::number(i), placeholder,
                                   QString::fromLatin1(nextPart(rest)), nextPart(rest)};
        if (!(flags & (2 << i)))
            fields.insert(rule.sourceField, {QString::fromLatin1(text), text});
        // Inputs whose text could grow past the bound are left out: they check nothing new.
        // Values are put in once and never searched again, so no value grows another.
        longest = qMax(longest, qMax(text.size(), rule.defaultText.size()));
        if (unfilled.size() * longest > kMaxText)
            return 0;
        // A placeholder that spans lines is replaced as it stands, and may widen its line.
        lineBound = lineBound && !hasBreak(placeholder);
        rules.append(rule);
        // The same rule with itself as the text: nothing may change.
        unchanging.append({rule.sourceField, placeholder, rule.emptyValue, placeholder});
    }
    const QByteArray generated =
        TemplateEngine::generate(templateBytes, rules, fields, linkAllowed);
    require(!lineBound || FramedFill::widestLine(generated) <= FramedFill::widestLine(unfilled),
            "no line grows wider than the template's widest");
    require(TemplateEngine::generate(templateBytes, unchanging, {}, linkAllowed) == unfilled,
            "a placeholder filled with itself leaves the text as it was");
    return 0;
}
