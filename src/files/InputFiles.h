#pragma once

#include "WholeFile.h"

#include <QSet>
#include <QStringList>

// The files that a run reads, taken down before the run writes anything, so that no output of
// the run goes over one of them: known by identity (device and inode, so a hard link or
// another spelling of the path is the same file) and, for an input not there yet, by its
// absolute path.
class InputFiles
{
public:
    explicit InputFiles(const QStringList& paths);

    bool contains(const QString& path) const;

    // Why the run may not write to the path, as one sentence naming it: it is one of the
    // inputs, or it names no regular file (WholeFile::refusal); "" when it may.
    QString refusal(const QString& path) const;

private:
    QSet<WholeFile::Identity> m_identities;
    QSet<QString> m_paths;
};
