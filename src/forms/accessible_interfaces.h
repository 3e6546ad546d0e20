#pragma once

// What assistive technology reads of the forms' widgets. Qt 6.4's own interfaces get several of
// them wrong for a screen reader on Linux: a window and a titled frame read as plain fillers, a
// drop-down list is named by its current item, a label named for its role hides its text, a link
// label offers no action, a single-line text box is read without its last character (its text
// attributes end one character short, and Orca splits the text at them).
// tests/ui/accessibility_test.cpp checks each of these through Qt's interfaces: with a newer Qt,
// drop an interface from the factory and the test says whether Qt's own now does as well.
namespace forms {

// Installs the interfaces for the forms' windows, frames, labels, text boxes and drop-down lists.
// Once per process, before the first window; later calls do nothing.
void InstallAccessibleInterfaces();

} // namespace forms
