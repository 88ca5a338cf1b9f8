#pragma once

#include <QString>
#include <QStringList>

namespace lccd {

// Where the program keeps its files. The INI file lies in the user's configuration folder
// (~/.config/lccdtool) for an installed program (one with a ../share/lccdtool data folder) and
// wherever the program's folder is not writable; beside the program otherwise (a build tree,
// an unpacked copy). Files the program reads (the label template, the user's guide) are looked
// for beside the program first, then in the installed data folder.
struct ProgramPaths {
    QString programPath; // the executable
    QString iniPath;
    QStringList readFolders;

    // Decides the paths for the running executable (once, at start).
    static ProgramPaths forExecutable(const QString& executablePath);

    QString programFolder() const;
    // The first existing file of that name in the read folders; the one beside the program
    // when there is none.
    QString programFile(const QString& name) const;
};

} // namespace lccd
