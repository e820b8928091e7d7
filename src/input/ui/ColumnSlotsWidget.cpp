#include "input/ui/ColumnSlotsWidget.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionComboBox>
#include <cmath>

namespace climora {
namespace {

constexpr int captionWidth = 58;
constexpr int labelTop = 0;
constexpr int variableTop = 18;
constexpr int unitTop = 46;
constexpr int boxHeight = 24;
const QColor buttonFace(0xd4, 0xd0, 0xc8);

constexpr const char* coveredProperty = "coveredRight";

// The slot boxes are narrow and each covers the right edge of the one
// before it: a slimmer arrow than the platform's, moved out of the covered
// part, and thin margins leave the texts the room to be read.
class SlotBoxStyle : public QProxyStyle {
  public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget) const override {
        if (control != CC_ComboBox || (sub != SC_ComboBoxArrow && sub != SC_ComboBoxEditField))
            return QProxyStyle::subControlRect(control, option, sub, widget);
        QRect frame = option->rect;
        int covered = widget ? widget->property(coveredProperty).toInt() : 0;
        int arrow = std::max(8, frame.height() * 2 / 5);
        int arrowLeft = frame.right() - covered - arrow;
        QRect rect = sub == SC_ComboBoxArrow
                         ? QRect(arrowLeft, frame.top(), arrow, frame.height())
                         : QRect(frame.left() + 2, frame.top() + 2, arrowLeft - frame.left() - 3,
                                 frame.height() - 4);
        return visualRect(option->direction, frame, rect);
    }
};

QComboBox* makeBox(QWidget* parent, QStyle* style, const QString& name, const QString& accessible) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(3);
    box->setStyle(style);
    // The whole text, also when the box is too narrow for it.
    QObject::connect(box, &QComboBox::currentTextChanged, box, &QWidget::setToolTip);
    return box;
}

QStringList slotTexts() {
    QStringList texts;
    for (int variable = 0; variable < variableCount; ++variable) {
        std::string_view name = variableNames()[variable];
        texts << QString::fromUtf8(name.data(), static_cast<int>(name.size()));
        for (const std::string& unit : unitsOf(variable))
            texts << QString::fromStdString(unit);
    }
    return texts;
}

int widestText(const QFontMetrics& metrics, const QStringList& texts) {
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

} // namespace

// The open list is as wide as its longest item.
void fitListWidth(QComboBox* box) {
    QAbstractItemView* list = box->view();
    int scrollBar =
        box->count() > box->maxVisibleItems() ? list->verticalScrollBar()->sizeHint().width() : 0;
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + scrollBar);
}

namespace {} // namespace

ColumnSlotsWidget::ColumnSlotsWidget(QWidget* parent)
    : QWidget(parent), boxStyle_(new SlotBoxStyle) {
    boxStyle_->setParent(this);
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
        variableBoxes_[k] = makeBox(this, boxStyle_, QStringLiteral("variable%1").arg(number),
                                    QStringLiteral("Variable of column %1").arg(number));
        variableBoxes_[k]->addItems(variables);
        variableBoxes_[k]->setCurrentIndex(-1);
        unitBoxes_[k] = makeBox(this, boxStyle_, QStringLiteral("unit%1").arg(number),
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
    fitListWidth(units);
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
        int covered =
            k + 1 < slotCount ? px(left + geometry.boxWidth) - px(left + geometry.pitch) : 0;
        variableBoxes_[k]->setProperty(coveredProperty, covered);
        unitBoxes_[k]->setProperty(coveredProperty, covered);
        numberLabels_[k]->setGeometry(px(left + geometry.labelOffset), px(labelTop), px(24),
                                      px(16));
    }
    int width = captionWidth + (slotCount - 1) * geometry.pitch + geometry.boxWidth;
    setFixedSize(px(width), px(unitTop + boxHeight + 2));
    fitSlotFont();
    emit layoutChanged();
}

void ColumnSlotsWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitSlotFont();
}

// The boxes take a narrower and, when needed, smaller version of the
// window's font, so that every variable and unit reads whole in them.
void ColumnSlotsWidget::fitSlotFont() {
    static const QStringList texts = slotTexts();
    if (!variableBoxes_[0])
        return; // still being built
    QStyleOptionComboBox option;
    option.initFrom(variableBoxes_[0]);
    int room = boxStyle_
                   ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                    variableBoxes_[0])
                   .width() -
               2; // the text stands one pixel in from each side
    QFont slotFont = font();
    slotFont.setStretch(90);
    const double smallest = font().pointSizeF() * 0.7;
    while (slotFont.pointSizeF() > smallest && widestText(QFontMetrics(slotFont), texts) > room)
        slotFont.setPointSizeF(slotFont.pointSizeF() - 0.25);
    for (int k = 0; k < slotCount; ++k) {
        variableBoxes_[k]->setFont(slotFont);
        unitBoxes_[k]->setFont(slotFont);
        fitListWidth(variableBoxes_[k]);
        fitListWidth(unitBoxes_[k]);
    }
}

} // namespace climora
