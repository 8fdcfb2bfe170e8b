#pragma once

class QDialog;

// Shows the application's own modal dialogs (the about box, the wizard, the
// print window, the editors). The application runs them for real; tests
// give a runner that records each dialog and answers it without blocking,
// as ScriptedPrompts does for message boxes.
class DialogRunner {
public:
    virtual ~DialogRunner() = default;
    // Runs `dialog` modally; returns its result (QDialog::Accepted or
    // Rejected, or what the dialog chose to return).
    virtual int run(QDialog &dialog) = 0;
};

// Runs each dialog with QDialog::exec().
class ModalDialogRunner : public DialogRunner {
public:
    int run(QDialog &dialog) override;
};
