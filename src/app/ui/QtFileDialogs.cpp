#include "app/ui/QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace climora {

QStringList qtFilters(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString caption = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // Qt reads the patterns from the last parentheses of the caption.
        filters << (caption.contains(patterns) ? caption : caption + " (" + patterns + ")");
    }
    return filters;
}

std::optional<FileChoice> QtFileDialogs::openFile(const FileDialogRequest& request) {
    return run(request, false);
}

std::optional<FileChoice> QtFileDialogs::saveFile(const FileDialogRequest& request) {
    return run(request, true);
}

std::optional<FileChoice> QtFileDialogs::run(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent_, QString::fromStdString(request.title));
    dialog.setObjectName(save ? QStringLiteral("saveFileDialog")
                              : QStringLiteral("openFileDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QString start = QString::fromStdString(request.startFolder);
    if (!start.isEmpty() && QDir(start).exists())
        dialog.setDirectory(start);
    QStringList filters = qtFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.suggestedName.empty())
        dialog.selectFile(QString::fromStdString(request.suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    FileChoice choice;
    choice.path = dialog.selectedFiles().first().toStdString();
    choice.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return choice;
}

} // namespace climora
