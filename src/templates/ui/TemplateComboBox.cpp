#include "templates/ui/TemplateComboBox.h"

#include "templates/TemplateNames.h"

namespace climora {

TemplateComboBox::TemplateComboBox(QWidget* parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("templateComboBox"));
    setAccessibleName(QStringLiteral("Data template"));
    setEditable(false);
    // Long names show in the open list; the closed box keeps a modest width.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(16);
    setColour(initialTemplateBoxColour);
    connect(this, &QComboBox::activated, this, &TemplateComboBox::templateChosen);
}

void TemplateComboBox::setNames(const std::vector<std::string>& names) {
    clear();
    for (const std::string& name : sortedNames(names))
        addItem(QString::fromStdString(name));
    setCurrentIndex(-1);
}

std::vector<std::string> TemplateComboBox::names() const {
    std::vector<std::string> result;
    for (int i = 0; i < count(); ++i)
        result.push_back(itemText(i).toStdString());
    return result;
}

std::optional<std::string> TemplateComboBox::selectedName() const {
    if (currentIndex() < 0)
        return std::nullopt;
    return currentText().toStdString();
}

void TemplateComboBox::selectPosition(int position) {
    setCurrentIndex(position);
}

void TemplateComboBox::showApplyOutcome(ApplyOutcome outcome) {
    if (std::optional<TemplateBoxColour> colour = colourAfterApply(outcome, currentIndex() >= 0))
        setColour(*colour);
}

void TemplateComboBox::setColour(TemplateBoxColour colour) {
    colour_ = colour;
    QPalette colours; // the window's normal colours
    if (colour == TemplateBoxColour::Yellow) {
        colours.setColor(QPalette::Base, Qt::yellow);
        colours.setColor(QPalette::Button, Qt::yellow);
    }
    setPalette(colours);
}

} // namespace climora
