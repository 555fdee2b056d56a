#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QWidget>

namespace TestFiles {

QString write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray allCodes()
{
    QByteArray codes;
    for (int code = 0; code < 256; ++code)
        codes.append(static_cast<char>(code));
    return codes;
}

void saveScreenshot(QWidget* widget, const QString& name)
{
    const QDir folder(QDir::current().filePath(QStringLiteral("screenshots")));
    folder.mkpath(QStringLiteral("."));
    widget->grab().save(folder.filePath(name + QStringLiteral(".png")));
}

} // namespace TestFiles
