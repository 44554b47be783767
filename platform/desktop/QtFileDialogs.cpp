#include "platform/desktop/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace {
std::optional<FileDialogChoice> run(QFileDialog::AcceptMode mode, const FileDialogOptions& options) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(mode);
    // A typed name is taken as it stands, also for opening: the command that
    // reads the file says when it cannot be opened.
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program's own dialog looks the same on every desktop and reports the chosen type.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // A save replaces an existing file without a question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = QtNameFilters(options.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(options.defaultExtension);
    if (!options.fileName.isEmpty() && !options.fileName.contains(QLatin1Char('*')))
        dialog.selectFile(options.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const int index = int(filters.indexOf(dialog.selectedNameFilter()));
    return FileDialogChoice{dialog.selectedFiles().constFirst(), index < 0 ? 1 : index + 1};
}
} // namespace

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            for (const QString& variant : {pattern.toLower(), pattern.toUpper()})
                if (!patterns.contains(variant))
                    patterns.append(variant);
        }
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}

std::optional<FileDialogChoice> QtFileDialogs::OpenFile(const FileDialogOptions& options) {
    return run(QFileDialog::AcceptOpen, options);
}

std::optional<FileDialogChoice> QtFileDialogs::SaveFile(const FileDialogOptions& options) {
    return run(QFileDialog::AcceptSave, options);
}
