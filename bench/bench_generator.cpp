// Prints how long generating a document takes from a template of about 1 MB that holds
// 10,000 placeholders, spread over every row of the movie table, with the footer.

#include "generator/SubstitutionTables.h"
#include "generator/TemplateEngine.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray bigTemplate(int placeholders, qsizetype size)
{
    const auto& rules = SubstitutionTables::movie();
    const QByteArray art("\xB0\xB1\xB2\xDB\xC9\xCD\xBB\xBA ");
    QByteArray text;
    text.reserve(size + 100);
    const qsizetype filler = size / placeholders;
    for (int i = 0; i < placeholders; ++i) {
        while (text.size() < filler * (i + 1) - 20)
            text.append(art);
        text.append(rules.at(i % rules.size()).placeholder);
        if (i % 4 == 3)
            text.append("\r\n");
    }
    return text;
}

} // namespace

int main()
{
    const QByteArray templ = bigTemplate(10000, 1024 * 1024);
    TemplateEngine::Fields fields;
    for (const PlaceholderRule& rule : SubstitutionTables::movie())
        fields.insert(rule.sourceField, {QStringLiteral("some value"), "some value"});

    std::vector<double> runs;
    qsizetype size = 0;
    for (int run = 0; run < 21; ++run) {
        QElapsedTimer timer;
        timer.start();
        size = TemplateEngine::generate(templ, SubstitutionTables::movie(), fields, true).size();
        runs.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(runs.begin(), runs.end());
    std::printf("Generating from a %lld-byte template with 10000 placeholders: median %.2f ms, "
                "fastest %.2f ms (%lld bytes out)\n",
                static_cast<long long>(templ.size()), runs[runs.size() / 2], runs.front(),
                static_cast<long long>(size));
    return 0;
}
