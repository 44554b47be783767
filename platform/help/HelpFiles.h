// Where the help collection is looked for: beside the executable first, then in
// the installed data folders.
#pragma once

#include <QString>
#include <QStringList>

inline const QString kHelpCollectionName = QStringLiteral("Vantel.qhc");

// The program's folder, then <prefix>/share/vantel beside it, then every
// "<data folder>/vantel" of the desktop.
QStringList DefaultHelpFolders();

// The full path of the first folder's "Vantel.qhc" that exists, or of its
// "Vantel_<language>.qhc" when a folder has the help in that language; throws
// VantelError naming the file when none does.
QString FindHelpCollection(const QStringList& folders, const QString& language = QString());
