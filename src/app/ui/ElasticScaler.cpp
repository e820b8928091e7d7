#include "app/ui/ElasticScaler.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace climora {

ElasticScaler::ElasticScaler(QWidget* window, QWidget* content)
    : QObject(window), window_(window), content_(content),
      basePointSize_(content->font().pointSizeF() > 0 ? content->font().pointSizeF() : 9.0) {
    window_->installEventFilter(this);
}

void ElasticScaler::setEnabled(bool enabled) {
    enabled_ = enabled;
    referenceScale_ = scale_;
    // The current scale holds at the size of this moment; before the window
    // is first shown that is the size it starts with, known only then.
    reference_ = window_->isVisible() ? window_->size() : QSize();
}

bool ElasticScaler::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Show && !reference_.isValid())
        reference_ = window_->size();
    else if (event->type() == QEvent::Resize && enabled_ && window_->isVisible())
        rescale();
    return QObject::eventFilter(watched, event);
}

void ElasticScaler::rescale() {
    if (!reference_.isValid() || reference_.width() == 0 || reference_.height() == 0) {
        reference_ = window_->size();
        return;
    }
    double factor = std::min(double(window_->width()) / reference_.width(),
                             double(window_->height()) / reference_.height());
    double scale = std::clamp(referenceScale_ * factor, 0.5, 3.0);
    if (std::fabs(scale - scale_) < 0.01)
        return;
    scale_ = scale;
    QFont font = content_->font();
    font.setPointSizeF(basePointSize_ * scale_);
    content_->setFont(font);
    emit scaleChanged(scale_);
}

} // namespace climora
