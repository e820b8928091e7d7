#include "input/ui/ColumnSlotsWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <cmath>

namespace climora {
namespace {

constexpr int captionWidth = 58;
constexpr int labelTop = 0;
constexpr int variableTop = 18;
constexpr int unitTop = 46;
constexpr int boxHeight = 24;
const QColor buttonFace(0xd4, 0xd0, 0xc8);

QComboBox* makeBox(QWidget* parent, const QString& name, const QString& accessible) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(3);
    return box;
}

} // namespace

ColumnSlotsWidget::ColumnSlotsWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("columnSlots"));
    setAccessibleName(QStringLiteral("Column variables and units"));
    const char* captionTexts[] = {"Column", "Variable", "Unit"};
    for (int i = 0; i < 3; ++i) {
        captions_[i] = new QLabel(QString::fromLatin1(captionTexts[i]), this);
        captions_[i]->setObjectName(QStringLiteral("caption%1").arg(captionTexts[i]));
    }
    QStringList variables;
    for (std::string_view name : variableNames())
        variables << QString::fromUtf8(name.data(), static_cast<int>(name.size()));
    for (int k = 0; k < slotCount; ++k) {
        QString number = QString::number(k + 1);
        numberLabels_[k] = new QLabel(number, this);
        numberLabels_[k]->setObjectName(QStringLiteral("columnNumber%1").arg(number));
        variableBoxes_[k] = makeBox(this, QStringLiteral("variable%1").arg(number),
                                    QStringLiteral("Variable of column %1").arg(number));
        variableBoxes_[k]->addItems(variables);
        variableBoxes_[k]->setCurrentIndex(-1);
        unitBoxes_[k] = makeBox(this, QStringLiteral("unit%1").arg(number),
                                QStringLiteral("Unit of column %1").arg(number));
        connect(variableBoxes_[k], &QComboBox::currentIndexChanged, this,
                [this, k](int index) { variableChosen(k, index); });
        connect(unitBoxes_[k], &QComboBox::currentIndexChanged, this,
                [this, k](int index) { unitChosen(k, index); });
    }
    alignColumnBoxes();
    updateBackgrounds();
}

void ColumnSlotsWidget::variableChosen(int slot, int variable) {
    if (showing_)
        return;
    slots_.chooseVariable(slot, variable);
    showSlot(slot);
    updateBackgrounds();
    emit slotsChanged();
}

void ColumnSlotsWidget::unitChosen(int slot, int unit) {
    if (showing_)
        return;
    slots_[slot].unit = unit;
    emit slotsChanged();
}

void ColumnSlotsWidget::showSlot(int slot) {
    showing_ = true;
    const ColumnSlot& model = slots_[slot];
    variableBoxes_[slot]->setCurrentIndex(model.variable);
    QComboBox* units = unitBoxes_[slot];
    units->clear();
    for (const std::string& item : model.unitItems)
        units->addItem(QString::fromStdString(item));
    units->setCurrentIndex(model.unit);
    showing_ = false;
}

void ColumnSlotsWidget::setColumnSlots(const ColumnSlots& model) {
    slots_ = model;
    for (int k = 0; k < slotCount; ++k)
        showSlot(k);
    updateBackgrounds();
    emit slotsChanged();
}

void ColumnSlotsWidget::resetSelections() {
    slots_.resetSelections();
    showing_ = true;
    for (int k = 0; k < slotCount; ++k) {
        variableBoxes_[k]->setCurrentIndex(-1);
        unitBoxes_[k]->setCurrentIndex(-1);
    }
    showing_ = false;
    emit slotsChanged();
}

// "Ignore" boxes take the grey button face; all others the window colour.
void ColumnSlotsWidget::updateBackgrounds() {
    for (int k = 0; k < slotCount; ++k) {
        bool ignored = slots_[k].variable == Ignore;
        variableBoxes_[k]->setProperty("ignored", ignored);
        QPalette palette = variableBoxes_[k]->palette();
        palette.setColor(QPalette::Button,
                         ignored ? buttonFace : QWidget::palette().color(QPalette::Base));
        variableBoxes_[k]->setPalette(palette);
    }
}

void ColumnSlotsWidget::setSpacerPosition(int position) {
    spacer_ = std::clamp(position, spacerMinimum, spacerMaximum);
    alignColumnBoxes();
}

void ColumnSlotsWidget::setScale(double scale) {
    scale_ = scale;
    alignColumnBoxes();
}

void ColumnSlotsWidget::alignColumnBoxes() {
    SlotGeometry geometry = slotGeometry(spacer_);
    auto px = [this](double v) { return static_cast<int>(std::lround(v * scale_)); };
    captions_[0]->setGeometry(0, px(labelTop), px(captionWidth), px(16));
    captions_[1]->setGeometry(0, px(variableTop + 3), px(captionWidth), px(18));
    captions_[2]->setGeometry(0, px(unitTop + 3), px(captionWidth), px(18));
    for (int k = 0; k < slotCount; ++k) {
        int left = captionWidth + k * geometry.pitch;
        variableBoxes_[k]->setGeometry(px(left), px(variableTop), px(geometry.boxWidth),
                                       px(boxHeight));
        unitBoxes_[k]->setGeometry(px(left), px(unitTop), px(geometry.boxWidth), px(boxHeight));
        numberLabels_[k]->setGeometry(px(left + geometry.labelOffset), px(labelTop), px(24),
                                      px(16));
    }
    int width = captionWidth + (slotCount - 1) * geometry.pitch + geometry.boxWidth;
    setFixedSize(px(width), px(unitTop + boxHeight + 2));
    emit layoutChanged();
}

} // namespace climora
