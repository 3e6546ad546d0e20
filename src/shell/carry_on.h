#pragma once

#include <exception>

// Runs one step of a sequence that must go on past a failing step: the start-up sequence, the
// shutdown and the result window's Back and unload. The catch sits in our own code, around
// one step, so an exception never unwinds through Qt's event handling, which does not
// support that.
template <class Step> void CarryOn(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
        // Deliberately ignored: the next step runs regardless.
    }
}
