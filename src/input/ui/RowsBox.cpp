#include "input/ui/RowsBox.h"

#include "input/InputFile.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace climora {

RowsBox::RowsBox(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("rowsBeforeData"));
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("rowsBeforeDataBox"));
    edit_->setAccessibleName(QStringLiteral("Rows before data start"));
    // A click on the box or an arrow gives the focus, so its context help
    // answers; the box is read-only, so the focus allows no typing.
    edit_->setReadOnly(true);
    edit_->setFocusPolicy(Qt::StrongFocus);
    edit_->setFixedWidth(56);
    auto makeArrow = [this](Qt::ArrowType arrow, const QString& name, const QString& accessible) {
        auto* button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setObjectName(name);
        button->setAccessibleName(accessible);
        button->setFixedSize(18, 12);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    };
    up_ =
        makeArrow(Qt::UpArrow, QStringLiteral("rowsUp"), QStringLiteral("Fewer rows before data"));
    down_ = makeArrow(Qt::DownArrow, QStringLiteral("rowsDown"),
                      QStringLiteral("More rows before data"));
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(edit_);
    layout->addLayout(arrows);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(up_, &QToolButton::clicked, this,
            [this] { setText(QString::fromStdString(rowsUpArrow(text().toStdString()))); });
    connect(down_, &QToolButton::clicked, this,
            [this] { setText(QString::fromStdString(rowsDownArrow(text().toStdString()))); });
}

QString RowsBox::text() const {
    return edit_->text();
}

void RowsBox::setText(const QString& text) {
    edit_->setText(text);
}

} // namespace climora
