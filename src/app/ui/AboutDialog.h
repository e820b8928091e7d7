#pragma once

#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace climora {

// "About Climora": who made the program, where to find it, and the
// disclaimer. Blocks the main window while it is open.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    using AddressOpener = std::function<void(const QUrl&)>;

    // `openAddress` shows the web site; the desktop's browser by default.
    explicit AboutDialog(QWidget* mainWindow = nullptr, AddressOpener openAddress = {});

    // Opens the dialog over the main window; it deletes itself on closing.
    static AboutDialog* showOver(QWidget* mainWindow);

    static QUrl webSite();
    QLabel* webAddress() const { return webAddress_; }
    QPushButton* okButton() const { return okButton_; }

  private:
    QPlainTextEdit* textBlock(const char* objectName, const QString& accessibleName,
                              const QString& text);

    AddressOpener openAddress_;
    QLabel* webAddress_;
    QPushButton* okButton_;
};

// The program's logo, drawn at the given size.
QPixmap climoraLogo(int size);

} // namespace climora
