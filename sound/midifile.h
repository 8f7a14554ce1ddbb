#pragma once

#include "sound/playplan.h"

#include <cstdint>
#include <string>

// A Standard MIDI File, format 1, of a plan: a first track with the tempo, then a track for
// each neck played with its programs and notes, in ticks of kTicksPerBeat to the beat.
std::string MidiFileOf(const PlayPlan& plan);
