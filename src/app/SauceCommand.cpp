#include "SauceCommand.h"

#include "documents/NfoFile.h"
#include "documents/SauceRecord.h"
#include "documents/SauceTrailer.h"
#include "product/Messages.h"

#include <QDir>
#include <QTextStream>

int SauceCommand::run(const QString& file, QTextStream& output, QTextStream& errors)
{
    const QString name = QDir::toNativeSeparators(file);
    const NfoFile::Contents contents = NfoFile::read(file);
    if (contents.status != NfoFile::Status::Read) {
        const bool tooLarge = contents.status == NfoFile::Status::TooLarge;
        errors << "quilra: " << name << ": "
               << (tooLarge ? Messages::FileTooLarge : Messages::FileNotFound) << '\n';
        return 2;
    }
    const QByteArray trailer = contents.bytes.right(SauceRecord::trailerLength(contents.bytes));
    const auto fields = SauceTrailer::describe(trailer);
    if (fields.isEmpty()) {
        errors << "quilra: " << name << ": " << tr("the file has no SAUCE record.") << '\n';
        return 1;
    }
    for (const auto& [key, value] : fields)
        output << key << '=' << value << '\n';
    output.flush();
    return 0;
}
