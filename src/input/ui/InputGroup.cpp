#include "input/ui/InputGroup.h"

#include "base/ui/PanelText.h"
#include "input/ui/ColumnSlotsWidget.h"
#include "input/ui/RowsBox.h"

#include <QDropEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

namespace climora {

std::vector<std::string> linesOfText(const QString& text) {
    std::vector<std::string> lines;
    const QStringList parts = text.split(QLatin1Char('\n'));
    lines.reserve(parts.size());
    for (const QString& part : parts)
        lines.push_back(part.toStdString());
    return lines;
}

QString textOfLines(const std::vector<std::string>& lines) {
    std::string joined;
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 1;
    joined.reserve(size);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            joined += '\n';
        joined += lines[i];
    }
    return QString::fromStdString(joined);
}

namespace {

// The first local file among dropped data; empty when there is none.
QString droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

InputGroup::InputGroup(QWidget* parent)
    : QGroupBox(QStringLiteral("Step 2: Specify input data"), parent) {
    setObjectName(QStringLiteral("inputGroup"));
    panel_ = new QPlainTextEdit(this);
    panel_->setObjectName(QStringLiteral("inputPanel"));
    panel_->setAccessibleName(QStringLiteral("Input data"));
    panel_->setLineWrapMode(QPlainTextEdit::NoWrap);
    panel_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    panel_->viewport()->installEventFilter(this);
    setHorizontalScrollBar(false);

    rows_ = new RowsBox(this);
    auto* rowsLabel = new QLabel(QStringLiteral("Rows before data start"), this);
    rowsLabel->setObjectName(QStringLiteral("rowsLabel"));
    rowsLabel->setBuddy(rows_->edit());

    slots_ = new ColumnSlotsWidget(this);
    reset_ = new QPushButton(QStringLiteral("Reset"), this);
    reset_->setObjectName(QStringLiteral("resetButton"));
    reset_->setToolTip(QStringLiteral("Clear current column  specifications"));
    reset_->setAccessibleName(QStringLiteral("Reset"));
    suggest_ = new QPushButton(QStringLiteral("Suggest columns"), this);
    suggest_->setObjectName(QStringLiteral("suggestColumnsButton"));
    suggest_->setAccessibleName(QStringLiteral("Suggest columns"));
    suggest_->setToolTip(
        QStringLiteral("Propose the rows before data start and the column slots from the file"));
    spacerLabel_ = new QLabel(QStringLiteral("Spacer"), this);
    spacerLabel_->setObjectName(QStringLiteral("spacerLabel"));
    spacer_ = new QSpinBox(this);
    spacer_->setObjectName(QStringLiteral("spacer"));
    spacer_->setAccessibleName(QStringLiteral("Spacer"));
    spacer_->setRange(-20, 100);
    spacer_->setToolTip(QStringLiteral("Move comboboxes for column variables and units"));
    spacerLabel_->setBuddy(spacer_);
    setSpacerEnabled(false);

    controlsRow_ = new QHBoxLayout;
    controlsRow_->addWidget(rowsLabel);
    controlsRow_->addWidget(rows_);
    controlsRow_->addStretch();

    auto* resetRow = new QHBoxLayout;
    resetRow->addWidget(reset_);
    resetRow->addWidget(suggest_);
    resetRow->addSpacing(16);
    resetRow->addWidget(spacerLabel_);
    resetRow->addWidget(spacer_);
    resetRow->addStretch();
    chart_ = new QPushButton(QStringLiteral("Chart input"), this);
    chart_->setObjectName(QStringLiteral("chartInputButton"));
    chart_->setAccessibleName(QStringLiteral("Chart input"));
    chart_->setToolTip(QStringLiteral("Show the input rows as charts, read with the column slots"));
    resetRow->addWidget(chart_);

    // Wide spacer settings (or a narrow window) scroll the slots sideways.
    auto* slotsArea = new QScrollArea(this);
    slotsArea->setObjectName(QStringLiteral("columnSlotsArea"));
    slotsArea->setAccessibleName(QStringLiteral("Column slots"));
    slotsArea->setFrameShape(QFrame::NoFrame);
    slotsArea->setWidget(slots_);
    slotsArea->setWidgetResizable(false);
    slotsArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    slotsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    slotsArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    slotsArea->setMinimumWidth(200);
    auto fitArea = [this, slotsArea] {
        slotsArea->setFixedHeight(slots_->height() +
                                  slotsArea->horizontalScrollBar()->sizeHint().height());
    };
    fitArea();
    connect(slots_, &ColumnSlotsWidget::layoutChanged, this, fitArea);
    auto* slotsRow = new QHBoxLayout;
    slotsRow->addWidget(slotsArea);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel_, 1);
    layout->addLayout(controlsRow_);
    layout->addLayout(slotsRow);
    layout->addLayout(resetRow);

    connect(spacer_, &QSpinBox::valueChanged, slots_, &ColumnSlotsWidget::setSpacerPosition);
    connect(reset_, &QPushButton::clicked, this, [this] {
        rows_->setText(QString());
        slots_->resetSelections();
        emit resetPressed();
    });
    connect(chart_, &QPushButton::clicked, this, &InputGroup::chartRequested);
    connect(suggest_, &QPushButton::clicked, this, &InputGroup::suggestPressed);
}

std::vector<std::string> InputGroup::panelLines() const {
    return linesOfText(panel_->toPlainText());
}

void InputGroup::setPanelLines(const std::vector<std::string>& lines) {
    setPanelText(textOfLines(lines));
}

void InputGroup::setPanelText(const QString& text) {
    replacePanelText(*panel_, text);
}

void InputGroup::setHorizontalScrollBar(bool shown) {
    panel_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    panel_->setHorizontalScrollBarPolicy(shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void InputGroup::setSpacerEnabled(bool enabled) {
    spacerLabel_->setEnabled(enabled);
    spacer_->setEnabled(enabled);
}

void InputGroup::addTemplateBox(QLabel* label, QWidget* box) {
    controlsRow_->addWidget(label);
    controlsRow_->addWidget(box, 1);
}

bool InputGroup::eventFilter(QObject* watched, QEvent* event) {
    bool dragOrDrop = event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
                      event->type() == QEvent::Drop;
    if (watched != panel_->viewport() || !dragOrDrop)
        return QGroupBox::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    QString file = droppedFile(drop->mimeData());
    if (file.isEmpty()) // text and other data drop into the panel as usual
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        emit fileDropped(file);
    return true;
}

} // namespace climora
