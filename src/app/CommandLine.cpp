#include "app/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "document/PolyText.h"
#include "platform/Messages.h"

namespace tess {

namespace {

enum class Option { Output, Title, Ring, Commit, Mitre, Size, Window, Edit, Proportional, Background, View,
                    Relation, Partial, AdminLevel, MergeAreas, Map, MapTimeout };

struct OptionWord {
    const char* word;
    Option option;
    bool takesValue;
};

constexpr OptionWord kOptions[] = {
    {"-o", Option::Output, true},           {"--output", Option::Output, true},
    {"--title", Option::Title, true},       {"--ring", Option::Ring, true},
    {"--commit", Option::Commit, false},    {"--mitre", Option::Mitre, false},
    {"--size", Option::Size, true},         {"--window", Option::Window, false},
    {"--edit", Option::Edit, false},        {"--proportional", Option::Proportional, false},
    {"--background", Option::Background, true}, {"--view", Option::View, true},
    {"--relation", Option::Relation, true},     {"--partial", Option::Partial, false},
    {"--admin-level", Option::AdminLevel, true},
    {"--union", Option::MergeAreas, false},
    {"--map", Option::Map, true},           {"--map-timeout", Option::MapTimeout, true},
};

// What each verb takes: its options, how many inputs, whether it writes a
// file and whether a distance in metres comes first.
struct VerbRule {
    const char* word;
    Verb verb;
    std::vector<Option> options;
    bool manyInputs = false;
    bool output = true;
    bool metres = false;
    // A file (--clip, --subtract) or an area in km² (--drop-holes) first.
    bool areaFile = false;
    bool squareKilometres = false;
};

const std::vector<VerbRule>& verbRules() {
    static const std::vector<VerbRule> rules = {
        {"--convert", Verb::Convert, {Option::Output, Option::Ring, Option::Commit, Option::Relation, Option::Partial}},
        {"--combine", Verb::Combine, {Option::Output, Option::Title, Option::MergeAreas}, true},
        {"--simplify", Verb::Simplify, {Option::Output, Option::Ring}, false, true, true},
        {"--grow", Verb::Grow, {Option::Output, Option::Ring, Option::Mitre}, false, true, true},
        {"--check", Verb::Check, {}, false, false},
        {"--list-boundaries", Verb::ListBoundaries, {Option::AdminLevel}, false, false},
        {"--render", Verb::Render,
         {Option::Output, Option::Ring, Option::Size, Option::Window, Option::Edit, Option::Background, Option::View,
          Option::Proportional, Option::Map, Option::MapTimeout}},
        {"--union", Verb::Union, {Option::Output}},
        {"--clip", Verb::Clip, {Option::Output}, false, true, false, true},
        {"--subtract", Verb::Subtract, {Option::Output}, false, true, false, true},
        {"--drop-holes", Verb::DropHoles, {Option::Output}, false, true, false, false, true},
        {"--split-at-180", Verb::SplitAt180, {Option::Output}},
    };
    return rules;
}

const OptionWord* optionNamed(const std::string& word) {
    for (const OptionWord& o : kOptions)
        if (word == o.word) return &o;
    return nullptr;
}

std::optional<double> readNumber(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

// "WxH" in pixels, each from 1 to 10,000.
bool readSize(const std::string& text, int& w, int& h) {
    const auto x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    const auto width = parseRingNumber(text.substr(0, x)), height = parseRingNumber(text.substr(x + 1));
    if (!width || !height || *width > 10000 || *height > 10000) return false;
    w = *width;
    h = *height;
    return true;
}

// "WEST,SOUTH,EAST,NORTH" in degrees, west below east, south below north.
bool readBounds(const std::string& text, std::array<double, 4>& bounds) {
    std::size_t from = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t comma = k < 3 ? text.find(',', from) : text.size();
        if (comma == std::string::npos) return false;
        const std::optional<double> value = readNumber(text.substr(from, comma - from));
        if (!value || std::fabs(*value) > 1e6) return false;
        bounds[k] = *value;
        from = comma + 1;
    }
    return bounds[0] < bounds[2] && bounds[1] < bounds[3];
}

std::string windowPath(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        if (!text.empty()) text += ' ';
        text += word;
    }
    text.erase(std::remove(text.begin(), text.end(), '"'), text.end());
    return text;
}

// Sets the option's value; the error, or empty.
std::string take(CommandLine& c, Option option, const std::string& word, const std::string& value) {
    switch (option) {
    case Option::Output: c.output = value; break;
    case Option::Title: c.title = value; break;
    case Option::Ring:
        c.ring = parseRingNumber(value);
        if (!c.ring) return "--ring takes a ring number from 1 to 32,767";
        break;
    case Option::Commit: c.commit = true; break;
    case Option::Mitre: c.mitre = true; break;
    case Option::MergeAreas: c.mergeAreas = true; break;
    case Option::Size:
        if (!readSize(value, c.width, c.height)) return "--size takes WIDTHxHEIGHT in pixels, not '" + value + "'";
        break;
    case Option::Window: c.window = true; break;
    case Option::Edit: c.edit = true; break;
    case Option::Proportional: c.proportional = true; break;
    case Option::Background: c.background = value; break;
    case Option::Relation: {
        // An OpenStreetMap id: digits alone, from 1.
        std::int64_t id = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), id);
        if (value.empty() || value[0] == '+' || ec != std::errc() || end != value.data() + value.size() || id < 1)
            return "--relation takes a relation id, not '" + value + "'";
        c.relations.push_back(id);
        break;
    }
    case Option::Partial: c.partial = true; break;
    case Option::AdminLevel:
        if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos)
            return "--admin-level takes a number, not '" + value + "'";
        c.adminLevel = value;
        break;
    case Option::View: {
        std::array<double, 4> bounds{};
        if (!readBounds(value, bounds)) return "--view takes WEST,SOUTH,EAST,NORTH in degrees, not '" + value + "'";
        c.view = bounds;
        break;
    }
    case Option::Map: c.map = value; break;
    case Option::MapTimeout: {
        const std::optional<double> seconds = readNumber(value);
        if (!seconds || *seconds < 0 || *seconds > 3600) return kMapTimeoutWanted + value + "'";
        c.mapTimeout = *seconds;
        break;
    }
    }
    (void)word;
    return {};
}

CommandLineRead readVerb(const VerbRule& rule, const std::vector<std::string>& args) {
    CommandLineRead read;
    CommandLine& c = read.command;
    c.verb = rule.verb;
    std::size_t i = 1;
    if (rule.metres) {
        const std::string verb = rule.word;
        if (args.size() < 2) {
            read.error = verb + " needs a distance in metres";
            return read;
        }
        const std::optional<double> metres = readNumber(args[1]);
        const bool fromZero = rule.verb == Verb::Simplify;
        if (!metres || (fromZero && *metres < 0)) {
            read.error = verb + " takes a distance in metres" + (fromZero ? " from 0" : "") + ", not '" + args[1] + "'";
            return read;
        }
        c.metres = *metres;
        i = 2;
    }
    if (rule.areaFile || rule.squareKilometres) {
        const std::string verb = rule.word;
        const char* wanted = rule.areaFile ? " needs the FILE whose area it takes" : " needs an area in km\xC2\xB2";
        if (args.size() < 2) {
            read.error = verb + wanted;
            return read;
        }
        if (rule.areaFile) {
            c.areaFile = args[1];
        } else {
            const std::optional<double> area = readNumber(args[1]);
            if (!area || *area < 0) {
                read.error = verb + " takes an area in km\xC2\xB2 from 0, not '" + args[1] + "'";
                return read;
            }
            c.squareKilometres = *area;
        }
        i = 2;
    }
    for (; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.size() > 1 && word[0] == '-') {
            const OptionWord* option = optionNamed(word);
            if (!option) {
                read.error = "unrecognized option '" + word + "'";
                return read;
            }
            if (std::find(rule.options.begin(), rule.options.end(), option->option) == rule.options.end()) {
                read.error = word + " does not go with " + rule.word;
                return read;
            }
            std::string value;
            if (option->takesValue) {
                if (i + 1 >= args.size()) {
                    read.error = word + " needs a value";
                    return read;
                }
                value = args[++i];
            }
            read.error = take(c, option->option, word, value);
            if (!read.ok()) return read;
        } else if (c.inputs.empty() || rule.manyInputs) {
            c.inputs.push_back(word);
        } else {
            read.error = std::string(rule.word) + " takes one input";
            return read;
        }
    }
    if (c.inputs.empty()) read.error = std::string(rule.word) + " needs an input";
    else if (rule.output && c.output.empty()) read.error = std::string(rule.word) + " needs -o OUTPUT";
    return read;
}

}  // namespace

std::optional<int> parseRingNumber(const std::string& text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < 1 || value > kMaxRings) return std::nullopt;
    return value;
}

CommandLineRead readCommandLine(const std::vector<std::string>& args) {
    CommandLineRead read;
    if (args.empty()) return read;
    const std::string& first = args.front();
    // Anything that looks like an option is ours to answer, so a mistyped
    // option is reported instead of being opened as a file name; "--"
    // before a path opens it even when it begins with "-", and a lone "-"
    // stays a path.
    if (first == "--") {
        const std::string path = windowPath({args.begin() + 1, args.end()});
        if (!path.empty()) read.command.inputs.push_back(path);
        return read;
    }
    if (first.size() < 2 || first[0] != '-') {
        read.command.inputs.push_back(windowPath(args));
        return read;
    }
    if (first == "--help" || first == "-h") {
        read.command.verb = Verb::Help;
        return read;
    }
    if (first == "--version" || first == "-V") {
        read.command.verb = Verb::Version;
        return read;
    }
    for (const VerbRule& rule : verbRules())
        if (first == rule.word) return readVerb(rule, args);
    read.error = "unrecognized option '" + first + "'";
    return read;
}

}  // namespace tess
