#include "tools/ui/RemoveColumnsDialog.h"

#include "base/ui/NamedButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace climora {
namespace {} // namespace

RemoveColumnsDialog::RemoveColumnsDialog(RemoveColumnsCall removeColumns, QWidget* parent)
    : QDialog(parent), removeColumns_(std::move(removeColumns)) {
    setObjectName(QStringLiteral("removeColumnsDialog"));
    setWindowTitle(QStringLiteral("Remove data columns"));
    setWindowModality(Qt::WindowModal);

    auto* label = new QLabel(QStringLiteral("Column to be removed"), this);
    label->setObjectName(QStringLiteral("columnsLabel"));
    columns_ = new QListWidget(this);
    columns_->setObjectName(QStringLiteral("columnList"));
    columns_->setAccessibleName(QStringLiteral("Column to be removed"));
    label->setBuddy(columns_);
    for (int column = 1; column <= markableColumns; ++column) {
        auto* item = new QListWidgetItem(QString::number(column), columns_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    QPushButton* ok = namedButton(QStringLiteral("OK"), QStringLiteral("okButton"), this);
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);
    QPushButton* cancel =
        namedButton(QStringLiteral("Cancel"), QStringLiteral("cancelButton"), this);
    cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    QPushButton* reset =
        namedButton(QStringLiteral("Reset all"), QStringLiteral("resetAllButton"), this);
    connect(ok, &QPushButton::clicked, this, &RemoveColumnsDialog::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(reset, &QPushButton::clicked, this, &RemoveColumnsDialog::resetAll);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addSpacing(12);
    buttons->addWidget(reset);
    buttons->addStretch(1);
    auto* list = new QVBoxLayout;
    list->addWidget(label);
    list->addWidget(columns_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(list, 1);
    layout->addLayout(buttons);
    resize(280, 360);
}

ColumnMarks RemoveColumnsDialog::marks() const {
    ColumnMarks marks{};
    for (int row = 0; row < markableColumns; ++row)
        marks[row] = columns_->item(row)->checkState() == Qt::Checked;
    return marks;
}

void RemoveColumnsDialog::resetAll() {
    for (int row = 0; row < columns_->count(); ++row)
        columns_->item(row)->setCheckState(Qt::Unchecked);
}

void RemoveColumnsDialog::confirm() {
    if (!removeColumns_ || removeColumns_(marks()))
        accept();
}

} // namespace climora
