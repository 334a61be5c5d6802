#pragma once

#include <cstdint>
#include <string>

// How a person names the bytes of one stage's table: numbered elements (pages, map sets,
// chips, ...), each made of parts that have a value of their own (a cell, a field, a
// colour). Whatever lists or names changes reads the tables through this, so a new
// table describes itself here and needs no code of its own there.
//
// The names are English, marked TEXT_NOOP("editable_tables", ...): a description shown to
// a person translates them, one read by programs (JSON) keeps them.
struct TableLayout {
    const char* element;   // "map set"
    const char* elements;  // "map sets"
    int elementSize;       // bytes of one element
    int numberDigits;      // hexadecimal digits of the element's number
    int partSize;          // bytes of one part: elementSize when the element is one value
    // The name of a part of an element ("cell (2, 5)", "x"), in the user's language when
    // shown; null when the element is one value.
    std::string (*partName)(int part, bool shown) = nullptr;
    const char* parts = "";  // the parts, counted: "cells"
    // The value of a part as shown: "1A". Null for elements whose changes are counted.
    std::string (*valueText)(int part, const std::uint8_t* bytes) = nullptr;
    // What the values name, said once before the old value: "map set" (page 11: map set 03 -> 04).
    const char* valueNames = nullptr;
    // For an element whose changes are counted rather than listed: how many of its
    // units differ (the pixels of a tile).
    int (*countChanges)(const std::uint8_t* before, const std::uint8_t* after) = nullptr;
    // Whether the element lies once in the image for every stage that loads it (tiles).
    bool sharedBetweenStages = false;
};
