#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/commands.h"
#include "model/editor.h"

// What the command search (Ctrl+F) offers and in which order: every command of the
// registry, the stages and the names of the current stage's objects. Whatever else
// the application adds (commands of its own, made at run time) comes as more entries
// of the same shape; the matching and the ranking never look beyond them.

enum class SearchTarget {
    Command,  // id names the command
    Stage,    // number is the stage
    Object,   // number is the object's slot in the current stage
    // Made at run time by the application: the id names what to run after its prefix.
    Script,         // "script:" and a file of the user's scripts folder
    ScriptCommand,  // "scriptCommand:" and the id a script registered the command with
};

struct SearchEntry {
    std::string id;     // "edit.undo", "stage.3", "object.12": what the list of runs keeps
    std::string label;  // what the user types towards and reads: "Undo", "Stage 3 - pharaoh"
    std::string key;    // shown beside it: "Ctrl+Z", "" when no key gives it
    bool enabled = true;
    SearchTarget target = SearchTarget::Command;
    int number = 0;
    // Typed letters may match this instead of the label: the English label of a
    // translated one, so a user may type either. Empty when there is none.
    std::string alsoMatches = {};
};

// Every command of the registry, in the order of the menus, with its label in the
// user's language, its key and whether `enabled` says it can act now.
std::vector<SearchEntry> commandEntries(const std::function<bool(const Command&)>& enabled);

// One entry per stage, labelled "Stage " and the name that the stage combo shows (in
// the user's language, the English label also matching).
std::vector<SearchEntry> stageEntries(std::span<const std::string> stageNames);

// One entry per object name in use in the current stage, for the first object that
// bears it; none when no names file is loaded.
std::vector<SearchEntry> objectNameEntries(const EDITOR& editor);

// How well typed matches label, or a negative number when it does not: every letter
// (Unicode character) of typed must appear in label in the same order, whatever the case. Letters that
// start the label or a word of it, and letters that follow one another, count for
// more; letters skipped count against, and typing the whole label counts most.
int matchScore(std::string_view typed, std::string_view label);

// The places in entries of those that typed matches (the label or alsoMatches, the
// better of the two), best match first; on a tie the
// one run more recently (recentRuns holds ids, the latest first), then the earlier.
std::vector<std::size_t> rankEntries(std::span<const SearchEntry> entries, std::string_view typed,
                                     std::span<const std::string> recentRuns);

// Puts id first in recentRuns, once, keeping the list short.
void noteRun(std::vector<std::string>& recentRuns, std::string_view id);
