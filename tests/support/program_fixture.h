#pragma once

#include "fakes.h"
#include "shell/program.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A whole program over test doubles. Nothing is loaded until a test says so.
class ProgramTest : public ::testing::Test {
protected:
    fakes::TestPlatform fake;
    std::unique_ptr<Program> program = std::make_unique<Program>(fake.platform);

    // Runs the start-up sequence as the application does.
    void start() { program->Start(); }

    template <class T> T* control(forms::Form& form, const char* name) {
        return form.Control<T>(QLatin1String(name));
    }
    forms::FormTextBox* box(forms::Form& form, const char* name) {
        return control<forms::FormTextBox>(form, name);
    }
    // Lets deferred deletions and posted events run.
    static void settle() {
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
    }
    void TearDown() override {
        program.reset();
        settle();
    }
};
