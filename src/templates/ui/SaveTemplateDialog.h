#pragma once

#include "base/Messenger.h"
#include "templates/TemplateEditing.h"

#include <QDialog>

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace climora {

// "Save template": stores the current column settings under a new or
// an existing name. Accepted after a save; saveResult() then holds the new list
// and the position the main window's drop-down selects. The dialog is modal
// to its parent window (Qt::WindowModal), which takes no input while it is
// open.
class SaveTemplateDialog : public QDialog {
    Q_OBJECT
  public:
    // `names`: the drop-down's items; `current`: the rows box and the slots.
    SaveTemplateDialog(const TemplateStore& store, Messenger& messenger,
                       const std::vector<std::string>& names, DataTemplate current,
                       QWidget* parent = nullptr);

    const SaveResult& saveResult() const { return result_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void save();
    std::vector<std::string> listedNames() const;

    const TemplateStore& store_;
    Messenger& messenger_;
    DataTemplate current_;
    SaveResult result_;
    QLineEdit* nameBox_;
    QListWidget* nameList_;
    QPushButton* saveButton_;
    QPushButton* cancelButton_;
};

} // namespace climora
