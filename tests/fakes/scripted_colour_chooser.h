#pragma once
#include <vector>

#include "platform/ports/colour_chooser.h"

// A colour dialog whose user presses OK on `answer`, or Cancel when
// `pressOk` is false. Records the colour each dialog started from.
class ScriptedColourChooser : public ColourChooser {
public:
    bool Choose(Colour initial, Colour& chosen) override {
        startedFrom.push_back(initial);
        if (pressOk) chosen = answer;
        return pressOk;
    }

    bool pressOk = true;
    Colour answer = 0;
    std::vector<Colour> startedFrom;
};
