#pragma once

#include "base/Messenger.h"
#include "base/WorkFolder.h"

#include <QDialog>

#include <string>

class QLineEdit;

namespace climora {

// "Default input & output folders": two text boxes, each with "Browse...",
// OK and Cancel. It opens with lines 1 and 2 of "Option.clx" (or the work
// folder in both boxes). OK rewrites "Option.clx" with the two texts as they
// stand and sets the folders held in memory, which the dialog receives by
// reference; a failed write is reported and the dialog stays open.
//
// "Browse..." opens the "Select a folder" chooser window-modal over this
// dialog, at the box's folder when it exists and at the work folder
// otherwise; its OK puts the chosen folder into that box. F1 asks for the
// dialog's help topic through helpRequested. The main window opens the
// dialog window-modal (open() or exec()), which keeps it disabled meanwhile.
class DefaultFoldersDialog : public QDialog {
    Q_OBJECT
  public:
    DefaultFoldersDialog(const WorkFolder& work, std::string& defaultInputFolder,
                         std::string& defaultOutputFolder, Messenger& messenger,
                         QWidget* parent = nullptr);

    void browse(QLineEdit* box);
    void confirm();

  signals:
    void helpRequested(int topic);

  private:
    const WorkFolder& work_;
    std::string& defaultInputFolder_;
    std::string& defaultOutputFolder_;
    Messenger& messenger_;
    QLineEdit* inputFolder_;
    QLineEdit* outputFolder_;
};

} // namespace climora
