// File-open, file-save and picture-open dialogs. Filters are written as the
// layout gives them: "name|patterns|name|patterns"; the chosen file type is
// reported by its position, counted from 1.
#pragma once

#include <QString>
#include <optional>

struct FileDialogOptions {
    QString filter;
    QString defaultExtension; // without the dot; empty for none
    QString fileName;         // what the name field starts with
};

struct FileDialogChoice {
    QString path;
    int filterIndex = 1;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Nothing when the user cancels.
    virtual std::optional<FileDialogChoice> OpenFile(const FileDialogOptions& options) = 0;
    virtual std::optional<FileDialogChoice> SaveFile(const FileDialogOptions& options) = 0;
};
