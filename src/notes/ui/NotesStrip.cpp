#include "notes/ui/NotesStrip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStringList>
#include <QToolButton>

namespace climora {
namespace {

// More notes than this show as a count; the tooltip holds them all.
constexpr int shownNotes = 4;

} // namespace

NotesStrip::NotesStrip(QWidget* parent)
    : QFrame(parent), text_(new QLabel(this)), dismiss_(new QToolButton(this)) {
    setObjectName(QStringLiteral("notesStrip"));
    setAccessibleName(tr("Notes"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette tinted = palette();
    tinted.setColor(QPalette::Window, QColor(255, 248, 220)); // a quiet note colour
    tinted.setColor(QPalette::WindowText, QColor(60, 50, 20));
    setPalette(tinted);

    text_->setObjectName(QStringLiteral("notesText"));
    text_->setAccessibleName(tr("Plausibility notes"));
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setTextFormat(Qt::PlainText);
    // Long notes are cut at the window's edge, never widen it; the tooltip
    // holds them whole.
    text_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    dismiss_->setObjectName(QStringLiteral("dismissNotesButton"));
    dismiss_->setAccessibleName(tr("Dismiss notes"));
    dismiss_->setToolTip(tr("Dismiss notes"));
    dismiss_->setText(QStringLiteral("\u00d7"));
    dismiss_->setAutoRaise(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    layout->addWidget(text_, 1);
    layout->addWidget(dismiss_, 0, Qt::AlignTop);
    connect(dismiss_, &QToolButton::clicked, this, &QWidget::hide);
    hide();
}

void NotesStrip::showNotes(const std::vector<Note>& notes) {
    QStringList lines;
    for (const Note& note : notes)
        lines << QStringLiteral("Note: ") + QString::fromStdString(note.text);
    QStringList shown = lines.mid(0, shownNotes);
    if (lines.size() > shownNotes)
        shown << tr("... and %1 more notes").arg(lines.size() - shownNotes);
    text_->setText(shown.join(QLatin1Char('\n')));
    setToolTip(lines.join(QLatin1Char('\n')));
    setVisible(!notes.empty());
}

QString NotesStrip::text() const {
    return text_->text();
}

} // namespace climora
