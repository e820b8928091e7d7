#pragma once

#include "base/FileDialogs.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace climora {

// Turns "Caption|pattern|Caption|pattern" into Qt's ";;"-separated filters.
QStringList qtFilters(const std::string& filter);

class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::optional<FileChoice> openFile(const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFile(const FileDialogRequest& request) override;

  private:
    std::optional<FileChoice> run(const FileDialogRequest& request, bool save);
    QWidget* parent_;
};

} // namespace climora
