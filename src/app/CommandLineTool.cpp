#include "CommandLineTool.h"

#include "ExportCommand.h"
#include "appearance/ColourValue.h"
#include "appearance/StoredAppearance.h"
#include "documents/NfoFile.h"
#include "export/DocumentExport.h"
#include "export/VgaFace.h"
#include "files/InputFiles.h"
#include "generator/BatchGeneration.h"
#include "generator/BatchOptions.h"
#include "product/Messages.h"
#include "product/ProductInfo.h"
#include "settings/ProgramFolders.h"
#include "settings/SettingKeys.h"
#include "settings/UserSettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <optional>

namespace {

const QString kExport = QStringLiteral("export");
const QString kOutput = QStringLiteral("output");
const QString kScale = QStringLiteral("scale");
const QString kColumns = QStringLiteral("columns");
// The names QCommandLineParser gives its help and version options.
const QStringList kParserOptions = {QStringLiteral("h"), QStringLiteral("help"),
                                    QStringLiteral("help-all"), QStringLiteral("v"),
                                    QStringLiteral("version")};

QCommandLineOption option(const BatchOptions::Option& batch)
{
    return QCommandLineOption(batch.name, batch.help, batch.valueName);
}

quint32 rgb(qint32 value)
{
    return (quint32(ColourValue::red(value)) << 16) | (quint32(ColourValue::green(value)) << 8) |
           quint32(ColourValue::blue(value));
}

// The whole number an option gives when it is one of `allowed`, else nothing.
std::optional<int> numberIn(const QString& value, std::initializer_list<int> allowed)
{
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    if (!ok || std::find(allowed.begin(), allowed.end(), number) == allowed.end())
        return std::nullopt;
    return number;
}

} // namespace

CommandLineTool::CommandLineTool(ProgramSettings settings, QString templateDirectory,
                                 QString storedLink, QTextStream& output, QTextStream& errors)
    : m_settings(std::move(settings)), m_templateDirectory(std::move(templateDirectory)),
      m_storedLink(std::move(storedLink)), m_output(output), m_errors(errors)
{
    m_parser.setApplicationDescription(
        QStringLiteral("Views and creates NFO files. Without options, opens FILE in the "
                       "window.\nWith --export, writes each FILE as a PNG picture, a web page "
                       "or UTF-8 text, without a window or a display.\nWith --generate, "
                       "writes a movie or an application NFO filled from --field and --fields "
                       "to --output."));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOptions(commandOptions());
    m_parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The NFO files."),
                                   QStringLiteral("FILE..."));
}

QList<QCommandLineOption> CommandLineTool::commandOptions()
{
    return {
        {kExport,
         QStringLiteral("Writes each FILE as FORMAT: png, html or txt (UTF-8), beside it "
                        "(art.nfo gives art.png) unless --output says otherwise."),
         QStringLiteral("FORMAT")},
        {kOutput,
         QStringLiteral("With --export, the folder to write into, or for one FILE the file to "
                        "write. With --generate, the NFO file to write; nothing is written "
                        "when a field name is unknown, a value holds a character without a "
                        "code in code page 437, or a file cannot be read."),
         QStringLiteral("PATH")},
        {kScale, QStringLiteral("Each pixel of a picture as N x N pixels, N from 1 to 4."),
         QStringLiteral("N"), QStringLiteral("1")},
        {kColumns,
         QStringLiteral("Cells of a picture 8 or 9 pixels wide; the ninth column repeats the "
                        "eighth for the line-drawing codes C0-DF, as VGA does."),
         QStringLiteral("N"), QStringLiteral("8")},
        option(BatchOptions::Generate),
        option(BatchOptions::Field),
        option(BatchOptions::Fields),
        option(BatchOptions::Template),
        option(BatchOptions::Link),
    };
}

int CommandLineTool::generateFile()
{
    const QString output = m_parser.value(kOutput);
    if (output.isEmpty())
        return usageError(QStringLiteral("--generate needs --output, the NFO file to write."));
    if (!m_parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("--generate takes no FILE; its values come from "
                                         "--field and --fields."));
    const BatchGeneration batch(m_templateDirectory, m_storedLink);
    const BatchGeneration::Request request{
        m_parser.value(BatchOptions::Generate.name), m_parser.values(BatchOptions::Field.name),
        m_parser.value(BatchOptions::Fields.name), m_parser.value(BatchOptions::Template.name),
        m_parser.value(BatchOptions::Link.name)};
    // Neither the template nor the fields file is written over, nor a link, a device or a pipe.
    const QString refused = InputFiles(batch.inputs(request)).refusal(output);
    if (!refused.isEmpty()) {
        m_errors << "quilra: " << refused << '\n';
        return 1;
    }
    const BatchGeneration::Result result = batch.run(request);
    if (!result.error.isEmpty()) {
        m_errors << "quilra: " << result.error << '\n';
        return 1;
    }
    const WholeFile::Replaced written =
        WholeFile::replace(output, result.bytes, WholeFile::Links::Refuse);
    if (!written.written()) {
        m_errors << "quilra: "
                 << (written.outcome == WholeFile::Outcome::Refused
                         ? WholeFile::refusal(output, written.kind)
                         : output + QStringLiteral(": ") + Messages::FileNotSaved)
                 << '\n';
        return 1;
    }
    return 0;
}

QStringList CommandLineTool::arguments(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

bool CommandLineTool::handles(const QStringList& arguments)
{
    QStringList names = kParserOptions;
    for (const QCommandLineOption& option : commandOptions())
        names.append(option.names());
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (argument.startsWith(QLatin1String("--")) &&
            names.contains(argument.mid(2).section(QLatin1Char('='), 0, 0)))
            return true;
        if (argument.size() == 2 && argument.at(0) == QLatin1Char('-') &&
            names.contains(argument.mid(1)))
            return true;
    }
    return false;
}

int CommandLineTool::main(int argc, char* argv[])
{
    // Nothing the tool does opens a window; should a command ever touch Qt GUI, it still needs
    // no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(ProductInfo::Title);
    QCoreApplication::setOrganizationName(ProductInfo::Title);
    QCoreApplication::setApplicationVersion(ProductInfo::Version);
    QTextStream output(stdout);
    QTextStream errors(stderr);
    const ProgramFolders folders = ProgramFolders::forRunningProgram();
    return CommandLineTool(ProgramSettings(folders.settingsFile()), folders.templateDirectory(),
                           UserSettings().read(SettingKeys::LinkAllowed), output, errors)
        .run(QCoreApplication::arguments());
}

int CommandLineTool::run(const QStringList& arguments)
{
    if (!m_parser.parse(arguments))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(QStringLiteral("help")) || m_parser.isSet(QStringLiteral("help-all"))) {
        m_output << m_parser.helpText();
        return 0;
    }
    if (m_parser.isSet(QStringLiteral("version"))) {
        m_output << QCoreApplication::applicationName() << ' '
                 << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    if (m_parser.isSet(kExport) && m_parser.isSet(BatchOptions::Generate.name))
        return usageError(QStringLiteral("--export and --generate are two things; say one."));
    if (m_parser.isSet(kExport))
        return exportFiles();
    if (m_parser.isSet(BatchOptions::Generate.name))
        return generateFile();
    return usageError(QStringLiteral("say what to do with the files, such as --export png."));
}

int CommandLineTool::usageError(const QString& text)
{
    m_errors << "quilra: " << text << " (quilra --help tells more)\n";
    return 2;
}

int CommandLineTool::exportFiles()
{
    DocumentExport::Options options;
    const auto format = DocumentExport::formatNamed(m_parser.value(kExport));
    const auto scale = numberIn(m_parser.value(kScale), {1, 2, 3, 4});
    const auto columns = numberIn(m_parser.value(kColumns), {8, 9});
    if (!format)
        return usageError(QStringLiteral("--export takes png, html or txt."));
    if (!scale)
        return usageError(QStringLiteral("--scale takes 1, 2, 3 or 4."));
    if (!columns)
        return usageError(QStringLiteral("--columns takes 8 or 9."));
    const QStringList files = m_parser.positionalArguments();
    const QString output = m_parser.value(kOutput);
    if (files.isEmpty())
        return usageError(QStringLiteral("no FILE to export."));
    if (files.size() > 1 && !output.isEmpty() && !QFileInfo(output).isDir())
        return usageError(QStringLiteral("--output must name a folder for several files."));

    options.format = *format;
    options.scale = *scale;
    options.columns = *columns;
    const StoredAppearance stored = StoredAppearance::read(m_settings);
    if (stored.textColour)
        options.text = rgb(*stored.textColour);
    if (stored.backgroundColour)
        options.background = rgb(*stored.backgroundColour);
    DocumentExport exporter(VgaFace::locate());
    return ExportCommand(exporter, options, output).run(files, m_errors) ? 0 : 1;
}
