#include "view/varnelview.h"

#include "music/spelling.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

#include <cmath>

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// A note's octave follows its letter: B#3 sounds as C4, Cb4 as B3 (C4 is MIDI 60).
int OctaveOf(int nMidi, const QString& name) {
    const int accidentals = static_cast<int>(name.count(QLatin1Char('#'))) -
                            static_cast<int>(name.count(QLatin1Char('b')));
    const int natural = nMidi - accidentals;
    return (natural >= 0 ? natural / 12 : (natural - 11) / 12) - 1;
}

} // namespace

QString CVarnelView::OrdinalDegree(int nDegree) {
    switch (nDegree) {
    case 1:
        return tr("1st", "degree");
    case 2:
        return tr("2nd", "degree");
    case 3:
        return tr("3rd", "degree");
    case 4:
        return tr("4th", "degree");
    case 5:
        return tr("5th", "degree");
    case 6:
        return tr("6th", "degree");
    default:
        return tr("7th", "degree");
    }
}

QString CVarnelView::NeckTitle(int nMode) const {
    return Text(GetRootName(nMode)) + QLatin1Char(' ') + FullModeName(nMode);
}

QString CVarnelView::ScaleText(int nMode) const {
    QStringList notes;
    for (const NoteName& note : GetNeckSpelling(nMode)) {
        notes << Text(NoteText(SimplestName(note)));
    }
    return notes.join(QLatin1Char(' '));
}

QString CVarnelView::NoteDescription(const LayoutHit& hit) const {
    const int midi = m_nTuning.at(static_cast<std::size_t>(hit.string)) + hit.fret;
    QString name = Text(GetNoteLabel(LabelKind::Notes, hit.fret, hit.string, hit.neck));
    const bool inScale = !name.isEmpty();
    if (!inScale) {
        name = Text(PitchName(GetPitchClass(hit.fret, hit.string)));
    }
    // Guitarists count strings from the highest, which is string 1.
    const QString where = tr("String %1, fret %2: %3%4")
                              .arg(StringCount() - hit.string)
                              .arg(hit.fret)
                              .arg(name)
                              .arg(OctaveOf(midi, name));
    if (!inScale) {
        return tr("%1, not in %2").arg(where, NeckTitle(hit.neck));
    }
    const int degree = GetDegree(hit.fret, hit.string, hit.neck);
    const QString interval =
        Text(IntervalName(degree, GetSemitones(hit.fret, hit.string, hit.neck)));
    QString degreeText = OrdinalDegree(degree);
    // An altered interval says how it differs from the major scale's.
    if (interval != QString::number(degree)) {
        degreeText += QStringLiteral(" (%1)").arg(interval);
    }
    // A faint or hidden note is still a note of the scale, but not one of the shape shown.
    if (IsOutsideShape(m_positions, ShapeOf(*this, m_positions, m_caged, hit.neck), hit.string,
                       hit.fret)) {
        return tr("%1, %2 of %3, outside the shape").arg(where, degreeText, NeckTitle(hit.neck));
    }
    return tr("%1, %2 of %3").arg(where, degreeText, NeckTitle(hit.neck));
}

QString CVarnelView::DescriptionAt(QPoint viewPoint) const {
    const double scale = ScreenScale();
    if (scale <= 0.0) {
        return {};
    }
    const QPoint logical(static_cast<int>(std::floor(viewPoint.x() / scale)),
                         static_cast<int>(std::floor(viewPoint.y() / scale)));
    const NeckLayout& layout = CurrentLayout();
    if (const std::optional<LayoutHit> hit = layout.HitTest(logical)) {
        return NoteDescription(*hit);
    }
    if (const std::optional<int> neck = layout.TitleAt(logical, fontMetrics().height())) {
        return tr("%1: %2").arg(NeckTitle(*neck), ScaleText(*neck));
    }
    return {};
}

const NeckLayout& CVarnelView::CurrentLayout() const {
    if (!m_layout) {
        m_layout.emplace(Layout(font(), const_cast<CVarnelView*>(this), false));
    }
    return *m_layout;
}

void CVarnelView::mouseMoveEvent(QMouseEvent* pEvent) {
    const QString description = DescriptionAt(pEvent->position().toPoint());
    if (description != m_strHovered) {
        m_strHovered = description;
        Q_EMIT hovered(description);
    }
    QWidget::mouseMoveEvent(pEvent);
}

void CVarnelView::leaveEvent(QEvent* pEvent) {
    if (!m_strHovered.isEmpty()) {
        m_strHovered.clear();
        Q_EMIT hovered(QString());
    }
    QWidget::leaveEvent(pEvent);
}

bool CVarnelView::ShowToolTip(QHelpEvent* pEvent) {
    const QString description = DescriptionAt(pEvent->pos());
    if (description.isEmpty()) {
        QToolTip::hideText();
        pEvent->ignore();
    } else {
        QToolTip::showText(pEvent->globalPos(), description, this);
    }
    return true;
}
