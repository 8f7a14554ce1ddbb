#include "sound/playplan.h"

#include "music/positions.h"
#include "music/tuning.h"
#include "view/neckdrawing.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

// A pause of this many beats parts one neck from the next, so the ear hears where a mode ends.
constexpr int kBeatsBetweenNecks = 2;
constexpr int kMelodyVelocity = 100;
constexpr int kDroneVelocity = 56;
// The drone sounds an octave below the tonic, but no lower than a bass's low E: below it, it
// is more rumble than tone.
constexpr int kLowestDrone = 28;

std::vector<PlayCell> ShapeAscent(const CNeckDrawing& drawing, const PositionShape& shape) {
    std::vector<PlayCell> cells;
    for (const PositionNote& note : shape.Notes()) {
        cells.push_back({note.string, note.fret,
                         drawing.m_nTuning.at(static_cast<std::size_t>(note.string)) + note.fret});
    }
    // A box may hold one pitch on two strings under a close tuning: it sounds once, from the
    // lower string.
    std::stable_sort(cells.begin(), cells.end(),
                     [](const PlayCell& a, const PlayCell& b) { return a.midi < b.midi; });
    cells.erase(std::unique(cells.begin(), cells.end(),
                            [](const PlayCell& a, const PlayCell& b) { return a.midi == b.midi; }),
                cells.end());
    return cells;
}

// The frets a player can see: the window's, the open strings only when they are drawn.
int LowestShownFret(const CNeckDrawing& drawing) {
    if (drawing.m_nFirstFret == 0) {
        return drawing.m_bOpenStrings ? 0 : 1;
    }
    return drawing.m_nFirstFret;
}

std::optional<PlayCell> LowestTonic(const CNeckDrawing& drawing, int nNeck, int first, int last) {
    for (int s = 0; s < drawing.StringCount(); ++s) {
        for (int f = first; f <= last; ++f) {
            if (drawing.GetNoteRole(f, s, nNeck) == 2) {
                return PlayCell{s, f, drawing.m_nTuning.at(static_cast<std::size_t>(s)) + f};
            }
        }
    }
    return std::nullopt;
}

// Where pitch nMidi lies nearest fret nNearFret, the lower string first on a tie.
std::optional<PlayCell> NearestCell(const CNeckDrawing& drawing, int nMidi, int nNearFret,
                                    int first, int last) {
    std::optional<PlayCell> best;
    for (int s = 0; s < drawing.StringCount(); ++s) {
        const int fret = nMidi - drawing.m_nTuning.at(static_cast<std::size_t>(s));
        if (fret < first || fret > last) {
            continue;
        }
        if (!best || std::abs(fret - nNearFret) < std::abs(best->fret - nNearFret)) {
            best = PlayCell{s, fret, nMidi};
        }
    }
    return best;
}

std::int64_t NoteTicks(const SoundPrefs& prefs) {
    return std::int64_t{PlayPlan::kTicksPerBeat} * prefs.noteLengthPercent / 100;
}

PlayPlan EmptyPlan(const CNeckDrawing& drawing, const SoundPrefs& prefs) {
    PlayPlan plan;
    plan.tempoBpm = prefs.tempoBpm;
    plan.program = ProgramFor(drawing.m_nTuning, prefs.instrument);
    return plan;
}

} // namespace

std::vector<PlayCell> NeckAscent(const CNeckDrawing& drawing, int nNeck) {
    if (drawing.m_positions == PositionKind::ThreePerString ||
        drawing.m_positions == PositionKind::Caged) {
        const PositionShape shape = ShapeOf(drawing, drawing.m_positions, drawing.m_caged, nNeck);
        if (!shape.IsEmpty()) {
            return ShapeAscent(drawing, shape);
        }
    }
    const int first = LowestShownFret(drawing);
    const int last = drawing.m_nLastFret;
    const std::optional<PlayCell> tonic = LowestTonic(drawing, nNeck, first, last);
    if (!tonic) {
        return {};
    }
    std::vector<PlayCell> cells;
    for (int midi = tonic->midi; midi <= tonic->midi + 12; ++midi) {
        const std::optional<PlayCell> cell = NearestCell(drawing, midi, tonic->fret, first, last);
        if (cell && drawing.GetNoteRole(cell->fret, cell->string, nNeck) != 0) {
            cells.push_back(*cell);
        }
    }
    return cells;
}

bool IsBassTuning(const std::vector<int>& tuning) {
    const int preset = TuningPresetIndex(tuning);
    if (preset >= 0) {
        return TuningPresets()[static_cast<std::size_t>(preset)].id.starts_with("bass");
    }
    return tuning.size() <= 5;
}

int ProgramFor(const std::vector<int>& tuning, SoundPrefs::Instrument instrument) {
    if (IsBassTuning(tuning)) {
        return GeneralMidi::kFingeredBass;
    }
    return instrument == SoundPrefs::Instrument::NylonGuitar ? GeneralMidi::kNylonGuitar
                                                             : GeneralMidi::kSteelGuitar;
}

PlayPlan PlanNecks(const CNeckDrawing& drawing, const std::vector<int>& necks,
                   const SoundPrefs& prefs) {
    PlayPlan plan = EmptyPlan(drawing, prefs);
    const std::int64_t beat = PlayPlan::kTicksPerBeat;
    const std::int64_t length = NoteTicks(prefs);
    std::int64_t tick = 0;
    for (const int neck : necks) {
        std::vector<PlayCell> run = NeckAscent(drawing, neck);
        if (run.empty()) {
            continue;
        }
        // Down again from the top, which sounds once.
        run.insert(run.end(), run.rbegin() + 1, run.rend());
        if (!plan.necks.empty()) {
            tick += kBeatsBetweenNecks * beat;
        }
        plan.necks.push_back(neck);
        const std::int64_t neckStart = tick;
        if (prefs.drone) {
            const int tonic = run.front().midi;
            plan.notes.push_back({neckStart, std::int64_t(run.size()) * beat,
                                  tonic - 12 >= kLowestDrone ? tonic - 12 : tonic, kDroneVelocity,
                                  neck, 0, 0, true});
        }
        for (const PlayCell& cell : run) {
            plan.notes.push_back(
                {tick, length, cell.midi, kMelodyVelocity, neck, cell.string, cell.fret, false});
            tick += beat;
        }
        plan.endTick = std::max(plan.endTick, tick - beat + length);
        if (prefs.drone) {
            plan.endTick = std::max(plan.endTick, tick);
        }
    }
    return plan;
}

PlayPlan PlanAllNecks(const CNeckDrawing& drawing, const SoundPrefs& prefs) {
    std::vector<int> necks;
    necks.reserve(static_cast<std::size_t>(drawing.NeckCount()));
    for (int i = 0; i < drawing.NeckCount(); ++i) {
        necks.push_back(i);
    }
    return PlanNecks(drawing, necks, prefs);
}

PlayPlan PlanCell(const CNeckDrawing& drawing, int nNeck, int nString, int nFret,
                  const SoundPrefs& prefs) {
    PlayPlan plan = EmptyPlan(drawing, prefs);
    const int midi = drawing.m_nTuning.at(static_cast<std::size_t>(nString)) + nFret;
    // A single note rings a whole beat whatever the note length: it is heard alone.
    plan.notes.push_back(
        {0, PlayPlan::kTicksPerBeat, midi, kMelodyVelocity, nNeck, nString, nFret, false});
    plan.necks.push_back(nNeck);
    plan.endTick = PlayPlan::kTicksPerBeat;
    return plan;
}
