// The file dialogs of the desktop, on QFileDialog.
#pragma once

#include "platform/desktop/FileDialogs.h"

#include <QStringList>

class QtFileDialogs : public FileDialogs {
public:
    std::optional<FileDialogChoice> OpenFile(const FileDialogOptions& options) override;
    std::optional<FileDialogChoice> SaveFile(const FileDialogOptions& options) override;
};

// "name|*.a;*.b|name2|*.c" as Qt name filters. Patterns match in either
// letter case, as file names do on the desktop the layout was made for.
QStringList QtNameFilters(const QString& filter);
