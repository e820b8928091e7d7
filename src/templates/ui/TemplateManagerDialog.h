#pragma once

#include "base/Messenger.h"
#include "templates/TemplateEditing.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace climora {

// "Template management": renames and deletes named templates. Two states:
// browsing (upper group active, 268 pixels high) and renaming (lower group
// shown, upper texts grey, 422 pixels high). The dialog is modal to its
// parent window (Qt::WindowModal); the caller reloads the drop-down from the
// list file when it closes.
class TemplateManagerDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int browsingHeight = 268;
    static constexpr int renamingHeight = 422;

    // Reads the names from the list file; throws when it cannot be read.
    TemplateManagerDialog(const TemplateStore& store, Messenger& messenger,
                          QWidget* parent = nullptr);

    bool isRenaming() const { return renaming_; }
    const std::vector<std::string>& names() const { return names_; }
    // The colour of the upper texts while renaming.
    static QColor greyText();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildUpperGroup();
    void buildLowerGroup();
    void startRename();
    void finishRename();
    void cancelRename();
    void deleteSelected();
    void showBrowsing();
    void setUpperTextsGrey(bool grey);
    void restoreTextColor() { setUpperTextsGrey(false); }
    void fillList();
    int selectedPosition() const;

    const TemplateStore& store_;
    Messenger& messenger_;
    std::vector<std::string> names_;
    bool renaming_ = false;
    int renamePosition_ = -1;
    std::string renameName_;

    QWidget* upperGroup_;
    QLabel* availableLabel_;
    QListWidget* nameList_;
    QPushButton* renameButton_;
    QPushButton* deleteButton_;
    QPushButton* closeButton_;
    QWidget* lowerGroup_;
    QLineEdit* newNameBox_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

} // namespace climora
