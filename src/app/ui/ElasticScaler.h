#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace climora {

// Rescales a window's font (and, through the callback, its fixed geometry)
// in proportion to the window's size while it is switched on.
class ElasticScaler : public QObject {
    Q_OBJECT
  public:
    ElasticScaler(QWidget* window, QWidget* content);

    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }
    double scale() const { return scale_; }

  signals:
    void scaleChanged(double scale);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void rescale();

    QWidget* window_;
    QWidget* content_;
    bool enabled_ = false;
    QSize reference_;
    double referenceScale_ = 1.0;
    double scale_ = 1.0;
    double basePointSize_;
};

} // namespace climora
