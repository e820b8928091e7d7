#pragma once

#include "base/Messenger.h"

class QWidget;

namespace climora {

// Message boxes and tones of the desktop program.
class QtMessenger : public Messenger {
  public:
    explicit QtMessenger(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void tone(Tone tone) override;
    void error(const std::string& text) override;
    void warning(const std::string& text) override;
    void information(const std::string& text) override;
    void plain(const std::string& text) override;
    bool confirm(const std::string& text) override;

  private:
    QWidget* parent_;
};

} // namespace climora
