#pragma once

#include <QString>
#include <QStringList>

// The files and folders named on the command line, as a file manager's "Open with" passes them.
struct CommandLineFiles
{
    QStringList paths;   // existing files and folders, absolute, in the given order
    QStringList missing; // arguments that name nothing on disk

    // Reads the process arguments after the program path; file URLs count as paths.
    static CommandLineFiles read(const QStringList &arguments);
};
