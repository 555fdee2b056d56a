#include "CommandLineTool.h"

#include "CheckCommand.h"
#include "ExportCommand.h"
#include "SauceCommand.h"
#include "documents/DocumentFormat.h"
#include "documents/NfoFile.h"
#include "export/DocumentExport.h"
#include "export/Thumbnail.h"
#include "export/VgaFace.h"
#include "files/InputFiles.h"
#include "files/WholeFile.h"
#include "generator/BatchGeneration.h"
#include "generator/BatchOptions.h"
#include "product/Messages.h"
#include "product/ProductInfo.h"
#include "product/Translations.h"
#include "settings/ColourValue.h"
#include "settings/Config.h"
#include "settings/ProgramFolders.h"
#include "settings/SettingKeys.h"
#include "settings/UserSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

const QString kExport = QStringLiteral("export");
const QString kOutput = QStringLiteral("output");
const QString kScale = QStringLiteral("scale");
const QString kColumns = QStringLiteral("columns");
const QString kThumbnail = QStringLiteral("thumbnail");
const QString kCheck = QStringLiteral("check");
const QString kWidth = QStringLiteral("width");
const QString kJson = QStringLiteral("json");
const QString kSauce = QStringLiteral("sauce");
// `--output -`: standard output.
const QString kStandardOutput = QStringLiteral("-");
// The names QCommandLineParser gives its help and version options.
const QStringList kParserOptions = {QStringLiteral("h"), QStringLiteral("help"),
                                    QStringLiteral("help-all"), QStringLiteral("v"),
                                    QStringLiteral("version")};

QCommandLineOption option(const BatchOptions::Option& batch)
{
    return QCommandLineOption(batch.name, batch.helpText(), batch.valueName);
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
        tr("Views and creates NFO files. Without options, opens FILE in the "
           "window.\nWith --export, writes each FILE as a PNG picture, a PDF document, "
           "an SVG picture, a web page or UTF-8 text, without a window or a display.\nWith "
           "--generate, "
           "writes a movie or an application NFO filled from --field and --fields "
           "to --output.\nWith --thumbnail, writes a small picture of the top of "
           "INPUT to OUTPUT, as file managers show it.\nWith --check, lists what "
           "viewers would show wrongly in each FILE.\nWith --sauce, prints the SAUCE "
           "record of FILE."));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOptions(commandOptions());
    m_parser.addPositionalArgument(QStringLiteral("FILE"), tr("The NFO files."),
                                   QStringLiteral("FILE..."));
}

QList<QCommandLineOption> CommandLineTool::commandOptions()
{
    return {
        {kExport,
         tr("Writes each FILE as FORMAT: png, pdf, svg, html or txt (UTF-8), beside it "
            "(art.nfo gives art.png) unless --output says otherwise."),
         QStringLiteral("FORMAT")},
        {kOutput,
         tr("With --export, the folder to write into, or for one FILE the file to "
            "write. With --generate, the NFO file to write; nothing is written "
            "when a field name is unknown, a value holds a character without a "
            "code in code page 437, or a file cannot be read. - is standard output."),
         QStringLiteral("PATH")},
        {kScale, tr("Each pixel of a picture as N x N pixels, N from 1 to 4."), QStringLiteral("N"),
         QStringLiteral("1")},
        {kColumns,
         tr("Cells of a picture 8 or 9 pixels wide; the ninth column repeats the "
            "eighth for the line-drawing codes C0-DF, as VGA does."),
         QStringLiteral("N"), QStringLiteral("8")},
        option(BatchOptions::Generate),
        option(BatchOptions::Field),
        option(BatchOptions::Fields),
        option(BatchOptions::Template),
        option(BatchOptions::Link),
        {kThumbnail,
         tr("Writes a PNG picture of the top of INPUT, its longer side at most SIZE "
            "pixels, black on white, to OUTPUT: quilra --thumbnail SIZE INPUT OUTPUT. "
            "Reads no settings and writes nothing else."),
         QStringLiteral("SIZE")},
        option(BatchOptions::Media),
        {kCheck, tr("Checks each FILE for what viewers would show wrongly: lines wider than "
                    "--width, tabs and control codes, Windows-1252 punctuation in code page 437 "
                    "text, mixed or missing line ends, trailing blanks, a wrong SAUCE record, web "
                    "addresses that cannot be opened. One finding a line; the exit status is 0 "
                    "when nothing was found, 1 when something was.")},
        {kWidth, tr("With --check, the widest line allowed, in screen columns."),
         QStringLiteral("N"), QStringLiteral("80")},
        {kJson, tr("With --check, prints the findings as one JSON array.")},
        {kSauce, tr("Prints the fields of FILE's SAUCE record as name=value lines.")},
    };
}

int CommandLineTool::generateFile()
{
    const QString output = m_parser.value(kOutput);
    if (output.isEmpty())
        return usageError(tr("--generate needs --output, the NFO file to write."));
    if (!m_parser.positionalArguments().isEmpty())
        return usageError(tr("--generate takes no FILE; its values come from "
                             "--field and --fields."));
    const BatchGeneration batch(m_templateDirectory, m_storedLink);
    const BatchGeneration::Request request{
        m_parser.value(BatchOptions::Generate.name), m_parser.values(BatchOptions::Field.name),
        m_parser.value(BatchOptions::Fields.name),   m_parser.value(BatchOptions::Template.name),
        m_parser.value(BatchOptions::Link.name),     m_parser.value(BatchOptions::Media.name)};
    // Neither the template nor the fields file is written over, nor a link, a device or a pipe.
    if (output != kStandardOutput) {
        const QString refused = InputFiles(batch.inputs(request)).refusal(output);
        if (!refused.isEmpty()) {
            m_errors << "quilra: " << refused << '\n';
            return 1;
        }
    }
    const BatchGeneration::Result result = batch.run(request);
    if (result.usage)
        return usageError(result.error);
    if (!result.error.isEmpty()) {
        m_errors << "quilra: " << result.error << '\n';
        return 1;
    }
    if (output == kStandardOutput)
        return writeStandardOutput(result.bytes) ? 0 : 1;
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
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            return false;
        // A lone dash names standard input as a file, as other tools take it.
        if (argument.size() > 1 && argument.startsWith(QLatin1Char('-')))
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
    const ProgramFolders folders = ProgramFolders::forRunningProgram();
    Translations::install(application, folders.translationDirectory());
    QTextStream output(stdout);
    QTextStream errors(stderr);
    return CommandLineTool(ProgramSettings(folders.settingsFile()), folders.templateDirectory(),
                           UserSettings().read(SettingKeys::LinkAllowed), output, errors)
        .run(QCoreApplication::arguments());
}

int CommandLineTool::run(const QStringList& arguments, QIODevice* standardOutput)
{
    m_standardOutput = standardOutput;
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
    const int commands =
        int(m_parser.isSet(kExport)) + int(m_parser.isSet(BatchOptions::Generate.name)) +
        int(m_parser.isSet(kThumbnail)) + int(m_parser.isSet(kCheck)) + int(m_parser.isSet(kSauce));
    if (commands > 1)
        return usageError(tr("--export, --generate, --thumbnail, --check and --sauce are "
                             "different things; say one."));
    if (!m_parser.isSet(kCheck) && (m_parser.isSet(kWidth) || m_parser.isSet(kJson)))
        return usageError(tr("--width and --json go with --check."));
    if (m_parser.isSet(kCheck))
        return checkFiles();
    if (m_parser.isSet(kSauce))
        return printSauce();
    if (m_parser.isSet(kExport))
        return exportFiles();
    if (m_parser.isSet(BatchOptions::Generate.name))
        return generateFile();
    if (m_parser.isSet(kThumbnail))
        return makeThumbnail();
    return usageError(tr("say what to do with the files, such as --export png."));
}

int CommandLineTool::usageError(const QString& text)
{
    m_errors << "quilra: " << text << ' ' << tr("(quilra --help tells more)") << '\n';
    return 2;
}

bool CommandLineTool::writeStandardOutput(const QByteArray& bytes)
{
    m_output.flush();
    QFile standard;
    QIODevice* device = m_standardOutput;
    if (!device) {
        device = m_output.device();
        if (!device) {
            if (!standard.open(stdout, QIODevice::WriteOnly))
                return false;
            device = &standard;
        }
    }
    if (device->write(bytes) != bytes.size()) {
        m_errors << "quilra: " << tr("standard output did not take all of the file.") << '\n';
        return false;
    }
    if (auto* file = qobject_cast<QFileDevice*>(device))
        return file->flush();
    return true;
}

int CommandLineTool::makeThumbnail()
{
    bool ok = false;
    const int size = m_parser.value(kThumbnail).trimmed().toInt(&ok);
    if (!ok || size < 1 || size > Thumbnail::MaxSize)
        return usageError(
            tr("--thumbnail takes a SIZE from 1 to %1 pixels.").arg(Thumbnail::MaxSize));
    const QStringList files = m_parser.positionalArguments();
    if (files.size() != 2 || m_parser.isSet(kOutput))
        return usageError(tr("--thumbnail takes SIZE INPUT OUTPUT."));
    const Thumbnail::Result result = Thumbnail(VgaFace::locate()).make(files.at(0), size);
    if (!result.error.isEmpty()) {
        m_errors << "quilra: " << QDir::toNativeSeparators(files.at(0)) << ": " << result.error
                 << '\n';
        return 1;
    }
    if (!writeThumbnail(files.at(1), result.png)) {
        m_errors << "quilra: " << QDir::toNativeSeparators(files.at(1)) << ": "
                 << Messages::FileNotSaved << '\n';
        return 1;
    }
    return 0;
}

bool CommandLineTool::writeThumbnail(const QString& path, const QByteArray& png)
{
    // An existing file is replaced whole or kept as it was.
    if (QFileInfo::exists(path))
        return NfoFile::write(path, png);
    // File managers name a new file for each thumbnail and check the exit status: written
    // straight, without the copy and the sync that keep an old file safe, and taken away if
    // any of it failed.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    if (WholeFile::writeAll(file, png))
        return true;
    file.remove();
    return false;
}

int CommandLineTool::exportFiles()
{
    DocumentExport::Options options;
    const auto format = DocumentExport::formatNamed(m_parser.value(kExport));
    const auto scale = numberIn(m_parser.value(kScale), {1, 2, 3, 4});
    const auto columns = numberIn(m_parser.value(kColumns), {8, 9});
    if (!format)
        return usageError(tr("--export takes png, pdf, svg, html or txt."));
    if (!scale)
        return usageError(tr("--scale takes 1, 2, 3 or 4."));
    if (!columns)
        return usageError(tr("--columns takes 8 or 9."));
    const QStringList files = m_parser.positionalArguments();
    const QString output = m_parser.value(kOutput);
    if (files.isEmpty())
        return usageError(tr("no FILE to export."));
    if (files.size() > 1 && output == kStandardOutput)
        return usageError(tr("--output - writes one FILE to standard output, not several."));
    if (files.size() > 1 && !output.isEmpty() && !QFileInfo(output).isDir())
        return usageError(tr("--output must name a folder for several files."));

    options.format = *format;
    options.scale = *scale;
    options.columns = *columns;
    // The stored colours, as the window shows them; the designed black on white without.
    const Config config(m_settings, UserSettings());
    options.text = rgb(config.textColour().valueOr(0x000000));
    options.background = rgb(config.backgroundColour().valueOr(ColourValue::White));
    if (output == kStandardOutput)
        return exportToStandardOutput(options, files.first());
    DocumentExport exporter(VgaFace::locate());
    return ExportCommand(exporter, options, output).run(files, m_errors) ? 0 : 1;
}

int CommandLineTool::exportToStandardOutput(const DocumentExport::Options& options,
                                            const QString& file)
{
    NfoFile::Contents contents = NfoFile::read(file);
    if (contents.status != NfoFile::Status::Read) {
        const bool tooLarge = contents.status == NfoFile::Status::TooLarge;
        m_errors << "quilra: " << QDir::toNativeSeparators(file) << ": "
                 << (tooLarge ? Messages::FileTooLarge : Messages::FileNotFound) << '\n';
        return 1;
    }
    const DocumentFormat::Opened opened = DocumentFormat::open(contents.bytes);
    contents.bytes = QByteArray();
    DocumentExport::Options titled = options;
    titled.title = QFileInfo(file).fileName();
    const DocumentExport::Result result =
        DocumentExport(VgaFace::locate()).render(opened.display, titled);
    if (!result.error.isEmpty()) {
        m_errors << "quilra: " << QDir::toNativeSeparators(file) << ": " << result.error << '\n';
        return 1;
    }
    return writeStandardOutput(result.bytes) ? 0 : 1;
}

int CommandLineTool::checkFiles()
{
    bool ok = false;
    const int width = m_parser.value(kWidth).trimmed().toInt(&ok);
    if (!ok || width < 1 || width > CheckCommand::MaxWidth)
        return usageError(
            tr("--width takes a number of columns from 1 to %1.").arg(CheckCommand::MaxWidth));
    const QStringList files = m_parser.positionalArguments();
    if (files.isEmpty())
        return usageError(tr("no FILE to check."));
    return CheckCommand(width, m_parser.isSet(kJson)).run(files, m_output, m_errors);
}

int CommandLineTool::printSauce()
{
    const QStringList files = m_parser.positionalArguments();
    if (files.size() != 1)
        return usageError(tr("--sauce takes one FILE."));
    return SauceCommand::run(files.first(), m_output, m_errors);
}
