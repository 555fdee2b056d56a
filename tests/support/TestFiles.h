#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// Files the tests make and read back.
namespace TestFiles {

// Writes the bytes, making the folders on the way; returns the path.
QString write(const QString& path, const QByteArray& bytes);
// The file's bytes, or "<missing>" when it cannot be read.
QByteArray read(const QString& path);
// The 256 codes in order, as a document's bytes.
QByteArray allCodes();
// Saves a picture of the widget as screenshots/NAME.png in the working folder, for a person
// to look at.
void saveScreenshot(QWidget* widget, const QString& name);

} // namespace TestFiles
