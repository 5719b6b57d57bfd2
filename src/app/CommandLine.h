// The command line, read in one place for every verb: which verb, its
// inputs and output, and the options it takes. The window, the batch
// commands and --render all start from what this reads.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tess {

enum class Verb { Window, Convert, Combine, Simplify, Grow, Check, Render, Help, Version,
                  ListBoundaries, Union, Clip, Subtract, DropHoles, SplitAt180 };

struct CommandLine {
    Verb verb = Verb::Window;
    // The files read: the one file the window opens, the combine's inputs,
    // or a batch command's input.
    std::vector<std::string> inputs;
    std::string output;              // -o
    std::optional<std::string> title;  // --title
    std::optional<int> ring;         // --ring N, from 1
    double metres = 0;               // --simplify's and --grow's distance
    bool commit = false;             // --commit
    bool mitre = false;              // --mitre
    std::string areaFile;            // --clip's and --subtract's FILE
    double squareKilometres = 0;     // --drop-holes KM2
    bool mergeAreas = false;         // --combine ... --union
    // --render
    int width = 0, height = 0;       // --size WxH; 0 keeps the design size
    bool window = false;             // --window
    bool edit = false;               // --edit
    bool proportional = false;       // --proportional
    std::string background;          // --background FILE
    std::optional<std::array<double, 4>> view;  // --view W,S,E,N
    // OpenStreetMap boundaries
    std::vector<std::int64_t> relations;  // --relation ID, each time given
    bool partial = false;                 // --partial
    std::string adminLevel;               // --admin-level N
    std::string map;                 // --map SOURCE
    double mapTimeout = 10;          // --map-timeout SECONDS

    const std::string& input() const { return inputs.front(); }
};

struct CommandLineRead {
    CommandLine command;
    // What is wrong with the words; they then exit with status 2 after
    // "tessaline: ", this and the hint to --help.
    std::string error;
    bool ok() const { return error.empty(); }
};

// Reads the words after the program's name. Words that do not start with
// "-" (or follow "--") are the file the window opens, all of them joined
// by blanks with every double quote removed, so a path with blanks works
// with or without quotes; a lone "-" is a path too.
CommandLineRead readCommandLine(const std::vector<std::string>& args);

// A ring number as --ring takes it: digits alone, from 1 up to the most
// rings a document holds ("2x", " 1", "1e3" and "+1" are not).
std::optional<int> parseRingNumber(const std::string& text);

}  // namespace tess
