#pragma once

#include <exception>

// Runs one step of a sequence that must go on past a failing step.
template <class Step> void CarryOn(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
        // Deliberately ignored: the next step runs regardless.
    }
}
