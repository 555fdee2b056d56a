#pragma once

#include <QString>

// Where this copy of the program keeps its own files. A copy that runs from a folder of its own
// (a build, a portable copy) keeps Settings.ini beside the executable when it may write there;
// an installed program, or one whose folder is read-only, keeps it in the user's configuration
// folder. The templates lie beside the executable, or where an installed program's data was
// put.
class ProgramFolders
{
public:
    // `installedPrograms` and `installedData` are the folders an installation puts the
    // executable and the templates into ("" when unknown); `userConfig` is the user's
    // configuration folder.
    ProgramFolders(QString programDirectory, QString installedPrograms, QString installedData,
                   QString userConfig);

    // The folders of the running executable, of this build's installation and of the user.
    static ProgramFolders forRunningProgram();

    QString programDirectory() const { return m_program; }
    bool isInstalled() const;
    QString settingsFile() const;
    QString templateDirectory() const;
    // The translations (quilra_de.qm, ...): "translations" beside the templates.
    QString translationDirectory() const;
    // The installed program's executable when there is one, else "".
    QString installedExecutable() const;

private:
    QString m_program;
    QString m_installedPrograms;
    QString m_installedData;
    QString m_userConfig;
};
