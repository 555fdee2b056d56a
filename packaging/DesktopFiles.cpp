// Writes the files an installation gives the desktop, from the same texts and pictures the
// program uses for its own association: the desktop entry, the MIME package and the icons.
//
//   quilra_desktop_files OUTPUT_FOLDER

#include "files/WholeFile.h"
#include "shell/XdgAssociationTexts.h"
#include "ui/ProgramArt.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    return QDir().mkpath(QFileInfo(path).absolutePath()) && WholeFile::replace(path, bytes);
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing the icons needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: quilra_desktop_files OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const XdgAssociationTexts texts(QStringLiteral("nfo"));
    // An installed entry names the program, found on the PATH wherever the package put it.
    bool ok = writeFile(out.filePath(XdgAssociationTexts::desktopEntryName()),
                        texts.desktopEntry(QStringLiteral("quilra"))) &&
              writeFile(out.filePath(texts.mimePackageName()), texts.mimePackage());
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = out.filePath(QStringLiteral("icons/%1x%1/apps/%2.png")
                                              .arg(size)
                                              .arg(XdgAssociationTexts::iconName()));
        ok = ok && QDir().mkpath(QFileInfo(path).absolutePath()) &&
             ProgramArt::iconPixmap(size).save(path, "PNG");
    }
    if (!ok)
        std::fputs("quilra_desktop_files: could not write the desktop files\n", stderr);
    return ok ? 0 : 1;
}
