#include "model/edit_history.h"

#include <cstring>

#include "model/editable_tables.h"
#include "model/editor.h"

namespace {

// Differences closer than this are kept as one span: a span costs more than a few
// unchanged bytes.
constexpr std::size_t kJoinGap = 8;

}  // namespace

std::size_t EditHistory::Step::cost() const
{
    return sizeof(Step) + spans.size() * sizeof(Span) + before.size() + after.size() + name.size();
}

void EditHistory::start(const EDITOR& editor)
{
    known_ = editableTables(editor);
    saved_ = known_;
    open_ = false;
    steps_.clear();
    next_ = 0;
    bytesHeld_ = 0;
    savedAt_ = 0;
}

bool EditHistory::record(const EDITOR& editor, bool strokeOpen)
{
    if (known_.empty())
        start(editor);
    const bool changed = firstTableDifference(editor, known_) < known_.size();
    if (changed) {
        if (!open_) {
            stepStart_ = known_;
            open_ = true;
        }
        copyEditableTables(editor, known_);
    }
    if (open_ && !strokeOpen) {
        open_ = false;
        Step step = difference(stepStart_, known_);
        if (!step.spans.empty()) {
            step.name = namer_ ? namer_(editor, stepStart_, known_, actionLabel_) : actionLabel_;
            push(std::move(step));
        }
    }
    if (!strokeOpen)
        actionLabel_.clear();
    return changed;
}

EditHistory::Step EditHistory::difference(const std::vector<std::uint8_t>& from, const std::vector<std::uint8_t>& to)
{
    Step step;
    const std::size_t size = from.size();
    std::size_t at = 0;
    bool oneStage = true;
    constexpr std::size_t kBlock = 64;
    while (at < size) {
        // Most of the tables are the same: pass over whole equal blocks first.
        if (at + kBlock <= size && std::memcmp(from.data() + at, to.data() + at, kBlock) == 0) {
            at += kBlock;
            continue;
        }
        if (from[at] == to[at]) {
            ++at;
            continue;
        }
        std::size_t last = at;
        for (std::size_t probe = at + 1; probe < size && probe - last <= kJoinGap; ++probe)
            if (from[probe] != to[probe])
                last = probe;
        const std::size_t length = last + 1 - at;
        step.spans.push_back({std::uint32_t(at), std::uint32_t(length)});
        step.before.insert(step.before.end(), from.begin() + std::ptrdiff_t(at),
                           from.begin() + std::ptrdiff_t(last + 1));
        step.after.insert(step.after.end(), to.begin() + std::ptrdiff_t(at), to.begin() + std::ptrdiff_t(last + 1));
        const int first = stageOfTableByte(at);
        if (step.spans.size() == 1)
            step.stage = first;
        oneStage = oneStage && first == step.stage && stageOfTableByte(last) == step.stage;
        at = last + 1;
    }
    if (!oneStage)
        step.stage = -1;
    return step;
}

void EditHistory::push(Step step)
{
    // A new edit ends whatever could have been redone.
    if (savedAt_ && *savedAt_ > next_)
        savedAt_.reset();
    while (steps_.size() > next_) {
        bytesHeld_ -= steps_.back().cost();
        steps_.pop_back();
    }
    bytesHeld_ += step.cost();
    steps_.push_back(std::move(step));
    next_ = steps_.size();
    // The oldest steps go first; the newest is always kept, however large.
    while (steps_.size() > 1 && (steps_.size() > limits_.maxSteps || bytesHeld_ > limits_.maxBytes)) {
        bytesHeld_ -= steps_.front().cost();
        steps_.pop_front();
        --next_;
        if (savedAt_)
            savedAt_ = *savedAt_ > 0 ? std::optional<std::size_t>(*savedAt_ - 1) : std::nullopt;
    }
}

std::string EditHistory::lastStepName() const
{
    return next_ > 0 ? steps_[next_ - 1].name : std::string();
}

void EditHistory::apply(EDITOR& editor, const Step& step, bool forward)
{
    const std::vector<std::uint8_t>& bytes = forward ? step.after : step.before;
    std::size_t from = 0;
    for (const Span& span : step.spans) {
        std::memcpy(known_.data() + span.offset, bytes.data() + from, span.length);
        from += span.length;
    }
    restoreEditableTables(editor, known_);
}

std::optional<int> EditHistory::undo(EDITOR& editor)
{
    record(editor, false);
    if (next_ == 0)
        return std::nullopt;
    const Step& step = steps_[--next_];
    apply(editor, step, false);
    return step.stage;
}

std::optional<int> EditHistory::redo(EDITOR& editor)
{
    record(editor, false);
    if (next_ == steps_.size())
        return std::nullopt;
    const Step& step = steps_[next_++];
    apply(editor, step, true);
    return step.stage;
}

void EditHistory::markSaved()
{
    saved_ = known_;
    savedAt_ = open_ ? std::nullopt : std::optional<std::size_t>(next_);
}

void EditHistory::nameNewestStep(std::string name)
{
    if (next_ > 0) {
        bytesHeld_ += name.size();
        bytesHeld_ -= steps_[next_ - 1].name.size();
        steps_[next_ - 1].name = std::move(name);
    }
}

std::vector<std::string> EditHistory::unsavedStepNames() const
{
    const std::size_t from = savedAt_ && *savedAt_ <= next_ ? *savedAt_ : 0;
    std::vector<std::string> names;
    for (std::size_t i = from; i < next_; ++i)
        names.push_back(steps_[i].name);
    return names;
}

bool EditHistory::modified() const
{
    return known_ != saved_;
}
