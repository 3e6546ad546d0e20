#pragma once

#include "program_fixture.h"

#include <QPlainTextEdit>

// The main window and the result window it leads to, driven through their widgets.
class WindowTest : public ProgramTest {
protected:
    frmMain& main() { return program->main; }
    frmInnerDrmOrPerNo& result() { return program->result; }
    QComboBox* list(const char* name) { return control<QComboBox>(main(), name); }
    void pickDate(int day, const char* month, int year) {
        pick(list("cboDate"), QString::number(day));
        pick(list("cboMonth"), QLatin1String(month));
        pick(list("cboYear"), QString::number(year));
    }
    QString shownResult() { return box(result(), "txtDisplay")->Text(); }
    QString firstLine() { return shownResult().section(QStringLiteral("\r\n"), 0, 0); }
    QPlainTextEdit* display() {
        return qobject_cast<QPlainTextEdit*>(box(result(), "txtDisplay")->editor());
    }
};
