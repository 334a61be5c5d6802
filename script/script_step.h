#pragma once

#include <cstdint>
#include <string>
#include <vector>

class EDITOR;

// One run of a script as one step of the undo history: the tables as they were before
// it are kept, so that a run that fails or is stopped can be taken back whole, leaving
// the tables exactly as before and the history without a step.
class ScriptStep {
public:
    // The editor's tables must be recorded (no edit outside the history) when it begins.
    explicit ScriptStep(EDITOR& editor);

    // Puts every table back as it was when the step began.
    void takeBack();
    // Records what the run changed as one step with that name. Returns whether
    // anything changed.
    bool finish(const std::string& name);
    // Whether the tables differ from what they were when the step began.
    bool changedAnything() const;

private:
    EDITOR& editor_;
    std::vector<std::uint8_t> before_;
};
