// Test double of FileDialogs: records the options of every dialog shown and
// answers from a script, one answer per dialog; an empty script cancels.
#pragma once

#include "platform/desktop/FileDialogs.h"

#include <QList>

class FakeFileDialogs : public FileDialogs {
public:
    enum class Kind { Open, Save };
    struct Call {
        Kind kind;
        FileDialogOptions options;
    };

    std::optional<FileDialogChoice> OpenFile(const FileDialogOptions& options) override {
        return answer(Kind::Open, options);
    }
    std::optional<FileDialogChoice> SaveFile(const FileDialogOptions& options) override {
        return answer(Kind::Save, options);
    }

    // The next dialog chooses this file (with the given file-type position).
    void Choose(const QString& path, int filterIndex = 1) {
        script.append(FileDialogChoice{path, filterIndex});
    }
    // The next dialog is cancelled.
    void Cancel() { script.append(std::nullopt); }

    QList<Call> calls;
    QList<std::optional<FileDialogChoice>> script;

private:
    std::optional<FileDialogChoice> answer(Kind kind, const FileDialogOptions& options) {
        calls.append({kind, options});
        return script.isEmpty() ? std::nullopt : script.takeFirst();
    }
};
