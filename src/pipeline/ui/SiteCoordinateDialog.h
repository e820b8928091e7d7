#pragma once

#include "base/Messenger.h"

#include <QDialog>
#include <QLocale>

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;

namespace climora {

// "Site coordinate": asks for the site's latitude, longitude and elevation
// and gives the site line for the output's second line. Typing follows the
// user's locale; "." is accepted as well.
class SiteCoordinateDialog : public QDialog {
    Q_OBJECT
  public:
    SiteCoordinateDialog(Messenger& messenger, QWidget* parent = nullptr,
                         const QLocale& locale = QLocale());

    // The line once "OK" has accepted the boxes.
    const std::optional<std::string>& siteLine() const { return line_; }

    void accept() override;

  signals:
    void siteLineAccepted(const QString& line);

  private:
    Messenger& messenger_;
    char decimalSeparator_;
    QLineEdit* latitude_;
    QComboBox* northSouth_;
    QLineEdit* longitude_;
    QComboBox* westEast_;
    QLineEdit* elevation_;
    std::optional<std::string> line_;
};

// askForLatValueAndInsert: opens the dialog over `window`, which takes no
// input while the dialog is open, and returns at once. When the user
// confirms, `insert` gets the site line; the dialog is destroyed when it
// closes in any way.
SiteCoordinateDialog* askForLatValueAndInsert(QWidget* window, Messenger& messenger,
                                              std::function<void(const std::string&)> insert);

} // namespace climora
