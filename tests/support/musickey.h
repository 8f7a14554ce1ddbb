#pragma once

#include "music/musicmodel.h"

// A model set to a chosen key letter, accidental and style, before any normalisation.
inline CMusicModel ModelOfKey(int key, int accidental, int style) {
    CMusicModel model;
    model.m_nKey = key;
    model.m_nAccidental = accidental;
    model.m_nStyle = style;
    return model;
}
