#include "charts/ui/ChartWindow.h"

#include "charts/ChartMarks.h"
#include "charts/ui/ChartPanelView.h"
#include "prefs/ProgramSettings.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include <filesystem>

namespace climora {

namespace {

constexpr const char* widthKey = "ChartWindow.width";
constexpr const char* heightKey = "ChartWindow.height";

QPushButton* namedButton(const QString& caption, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAccessibleName(QString(caption).remove(QStringLiteral("...")));
    return button;
}

QString statusText(const ChartTable& table, std::size_t marks) {
    return QStringLiteral("%1 dated rows, %2 lines skipped (no readable dated row), %3 marked")
        .arg(table.rowCount())
        .arg(table.skippedLines)
        .arg(marks);
}

} // namespace

ChartWindow::ChartWindow(ChartRequest request, Messenger& messenger, FileDialogs& dialogs,
                         const WorkFolder& work, QWidget* parent)
    : QWidget(parent, Qt::Window), request_(std::move(request)), messenger_(messenger),
      dialogs_(dialogs), work_(work) {
    setObjectName(QStringLiteral("chartWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Climora chart - ") + request_.caption);
    const ChartTable& table = request_.table;
    marks_ = markRows(table, request_.lineMarks);
    marked_.assign(table.rowCount(), false);
    for (const RowMark& mark : marks_)
        marked_[mark.row] = true;
    if (table.latitude)
        clearSky_ = clearSkyRadiation(table, *table.latitude);
    index_ = std::make_unique<DayIndex>(table.days);

    status_ = new QLabel(statusText(table, marks_.size()), this);
    status_->setObjectName(QStringLiteral("chartStatus"));
    status_->setAccessibleName(QStringLiteral("Chart status"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildButtons());
    layout->addWidget(buildCharts(), 1);
    layout->addWidget(status_);

    ProgramSettings settings;
    settings.load(work_.file(ProgramSettings::fileName));
    resize(settings.number(widthKey, 1000), settings.number(heightKey, 720));
}

ChartWindow::~ChartWindow() = default;

QWidget* ChartWindow::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* save = namedButton(QStringLiteral("Save chart..."), "saveChartButton", row);
    QPushButton* copy = namedButton(QStringLiteral("Copy"), "copyChartButton", row);
    QPushButton* all = namedButton(QStringLiteral("Show all days"), "showAllDaysButton", row);
    copy->setToolTip(QStringLiteral("Copy the charts to the clipboard as a picture"));
    all->setToolTip(
        QStringLiteral("Wheel or + and - zoom, drag or arrow keys pan, Home shows all"));
    for (QPushButton* button : {save, copy, all})
        layout->addWidget(button);
    layout->addStretch();
    connect(save, &QPushButton::clicked, this, &ChartWindow::saveChart);
    connect(copy, &QPushButton::clicked, this, &ChartWindow::copyChart);
    connect(all, &QPushButton::clicked, this, [this] {
        if (!views_.empty())
            views_.front()->showAllDays();
    });
    return row;
}

QWidget* ChartWindow::buildCharts() {
    auto* area = new QScrollArea(this);
    area->setObjectName(QStringLiteral("chartArea"));
    area->setAccessibleName(QStringLiteral("Charts"));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    charts_ = new QWidget(area);
    charts_->setObjectName(QStringLiteral("charts"));
    auto* column = new QVBoxLayout(charts_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    const ChartTable& table = request_.table;
    for (const ChartPanel& panel : chartPanels(table)) {
        PanelData data{&table, panel, &marks_, &marked_, clearSky_.empty() ? nullptr : &clearSky_};
        auto* view = new ChartPanelView(data, *index_, charts_);
        column->addWidget(view);
        views_.push_back(view);
        connect(view, &ChartPanelView::markActivated, this,
                [this](std::size_t row) { emit lineActivated(request_.table.lines[row]); });
    }
    for (ChartPanelView* view : views_)
        connect(view, &ChartPanelView::dayRangeChanged, this, [this, view](double from, double to) {
            for (ChartPanelView* other : views_)
                if (other != view)
                    other->setDayRange(from, to);
        });
    area->setWidget(charts_);
    return area;
}

QImage ChartWindow::image() const {
    return charts_->grab().toImage();
}

bool ChartWindow::saveImage(const QString& path) const {
    QString scratch = path + QStringLiteral(".part");
    bool written = false;
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(scratch);
        svg.setSize(charts_->size());
        svg.setViewBox(charts_->rect());
        svg.setTitle(windowTitle());
        QPainter painter;
        written = painter.begin(&svg);
        if (written) {
            charts_->render(&painter);
            written = painter.end();
        }
    } else {
        written = image().save(scratch, "PNG");
    }
    std::error_code ec;
    if (written)
        std::filesystem::rename(scratch.toStdString(), path.toStdString(), ec);
    if (!written || ec)
        std::filesystem::remove(scratch.toStdString(), ec);
    return written && !ec;
}

void ChartWindow::saveChart() {
    FileDialogRequest request;
    request.title = "Save chart";
    request.startFolder = work_.pathText();
    request.filter = "PNG image (*.png)|*.png|SVG drawing (*.svg)|*.svg";
    request.suggestedName = "chart";
    request.confirmOverwrite = true;
    std::optional<FileChoice> choice = dialogs_.saveFile(request);
    if (!choice)
        return;
    std::filesystem::path path = choice->path;
    if (!path.has_extension())
        path += choice->filterIndex == 2 ? ".svg" : ".png";
    if (!saveImage(QString::fromStdString(path.string())))
        messenger_.reportError("The chart could not be written to " + path.string() + ".");
}

void ChartWindow::copyChart() {
    QApplication::clipboard()->setImage(image());
}

void ChartWindow::rememberSize() const {
    try {
        ProgramSettings::update(work_.file(ProgramSettings::fileName),
                                [this](ProgramSettings& settings) {
                                    settings.setNumber(widthKey, width());
                                    settings.setNumber(heightKey, height());
                                });
    } catch (const std::exception&) {
        // The size is a convenience; failing to keep it must not stop closing.
    }
}

void ChartWindow::closeEvent(QCloseEvent* event) {
    rememberSize();
    event->accept();
}

ChartWindow* openChartWindow(ChartRequest request, Messenger& messenger, FileDialogs& dialogs,
                             const WorkFolder& work, QWidget* parent) {
    if (request.table.rowCount() == 0 || chartPanels(request.table).empty()) {
        messenger.notify(noDatedRowsText);
        return nullptr;
    }
    auto* window = new ChartWindow(std::move(request), messenger, dialogs, work, parent);
    window->show();
    return window;
}

} // namespace climora
