#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

class EDITOR;

// How much the history keeps: the oldest steps go first once either is exceeded.
struct EditHistoryLimits {
    std::size_t maxSteps = 1000;
    std::size_t maxBytes = std::size_t(64) << 20;
};

// The undo history of one session: the tables as they were after the last recorded
// user action, and the steps that led there, each kept as the bytes it changed (before
// and after). A step is whatever one user action changed; a mouse stroke stays open
// while a button is held, so that it becomes one step however many cells it paints.
class EditHistory {
public:
    using Limits = EditHistoryLimits;
    // Names a step from the tables before and after it and the label of the command
    // that made it (empty when none is known).
    using StepNamer = std::string (*)(const EDITOR& editor, std::span<const std::uint8_t> before,
                                      std::span<const std::uint8_t> after, const std::string& label);

    EditHistory() = default;
    explicit EditHistory(Limits limits) : limits_(limits) {}

    // Starts afresh from the editor's tables, which are also what the file holds.
    void start(const EDITOR& editor);

    // Takes in what changed since the last call. While strokeOpen is true the step
    // stays open and later changes join it; it is closed by the first call without.
    // Returns whether the tables changed.
    bool record(const EDITOR& editor, bool strokeOpen);

    // Undo and redo restore the editor's tables as they were before or after one step
    // (an open step is closed first). They return the stage the step changed, -1 when
    // it changed several, or nothing when there is no step to undo or redo.
    std::optional<int> undo(EDITOR& editor);
    std::optional<int> redo(EDITOR& editor);

    // The tables as recorded now are what the file holds (after a load or a save).
    void markSaved();
    // Whether the recorded tables differ from what the file holds.
    bool modified() const;

    // Each step is named when it closes: by the namer when one is set, else by the label.
    void setStepNamer(StepNamer namer) { namer_ = namer; }
    // The label of the command the user action under way runs ("Paste"), for the name of
    // the step it makes; the next record that closes no stroke forgets it.
    void labelAction(std::string label) { actionLabel_ = std::move(label); }
    // Renames the newest step that can be undone (a script names its step after itself).
    void nameNewestStep(std::string name);

    // The steps, oldest first: those before undoSteps() can be undone, the rest redone.
    std::size_t stepCount() const { return steps_.size(); }
    const std::string& stepName(std::size_t index) const { return steps_[index].name; }
    // The stage a step changed, -1 when it changed several.
    int stepStage(std::size_t index) const { return steps_[index].stage; }
    // After how many steps the tables are what the file holds, if the kept steps reach it.
    std::optional<std::size_t> savedStep() const { return savedAt_; }
    // The names of the steps made since the tables were what the file holds (or of all
    // the kept steps that can be undone when the file's state is no longer among them).
    std::vector<std::string> unsavedStepNames() const;

    const std::vector<std::uint8_t>& savedTables() const { return saved_; }
    // The tables as the last record found them; empty before the first.
    const std::vector<std::uint8_t>& recordedTables() const { return known_; }
    std::size_t undoSteps() const { return next_; }
    std::size_t redoSteps() const { return steps_.size() - next_; }
    std::size_t bytesHeld() const { return bytesHeld_; }

    // The name of the newest step that can be undone; "" when there is none.
    std::string lastStepName() const;

private:
    struct Span {
        std::uint32_t offset;
        std::uint32_t length;
    };
    struct Step {
        std::vector<Span> spans;
        std::vector<std::uint8_t> before;  // the spans' bytes, one after another
        std::vector<std::uint8_t> after;
        int stage = -1;
        std::string name;
        std::size_t cost() const;
    };

    static Step difference(const std::vector<std::uint8_t>& from, const std::vector<std::uint8_t>& to);
    void push(Step step);
    void apply(EDITOR& editor, const Step& step, bool forward);

    Limits limits_;
    std::vector<std::uint8_t> known_;      // the tables after the last record
    std::vector<std::uint8_t> saved_;      // the tables the file holds
    std::vector<std::uint8_t> stepStart_;  // the tables before the open step
    bool open_ = false;
    std::deque<Step> steps_;
    std::size_t next_ = 0;  // steps before this index can be undone, the rest redone
    std::size_t bytesHeld_ = 0;
    std::optional<std::size_t> savedAt_ = 0;
    StepNamer namer_ = nullptr;
    std::string actionLabel_;
};
