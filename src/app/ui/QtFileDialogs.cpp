#include "app/ui/QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStringList>

namespace climora {

namespace {

// The patterns as Qt matches them, separated by blanks. "*.*" means every
// file where these filters come from; Qt would want a dot in the name.
QString qtPatterns(const QString& patterns) {
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    QStringList list = patterns.split(separators, Qt::SkipEmptyParts);
    for (QString& pattern : list)
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
    return list.join(QLatin1Char(' '));
}

} // namespace

// Qt reads a filter's patterns from the caption's last parentheses, so the
// caption ends with them, shown once: kept when they are already Qt's,
// put in place of patterns written otherwise, appended when missing.
QStringList qtFilters(const std::string& filter) {
    static const QRegularExpression trailingGroup(QStringLiteral("^(.*?)\\s*\\(([^()]*)\\)\\s*$"));
    QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString caption = parts[i];
        QString patterns = qtPatterns(parts[i + 1]);
        QRegularExpressionMatch group = trailingGroup.match(caption);
        if (group.hasMatch() && group.captured(2) == patterns)
            filters << caption;
        else
            filters << (group.hasMatch() ? group.captured(1) : caption) + " (" + patterns + ")";
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
