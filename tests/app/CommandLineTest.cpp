// The command line as a table: tests/cases/command-lines.txt holds one
// command line a row, then " => " and what it reads to: the verb and every
// value that differs from the defaults, in a fixed order, or "error: " and
// the words the user is told. A new rule is a new row.
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

#include "app/CommandLine.h"
#include "support/TestFiles.h"

using namespace tess;

namespace {

const char* verbName(Verb verb) {
    constexpr const char* names[] = {"window", "convert", "combine", "simplify", "grow", "check", "render", "help", "version",
                                     "list-boundaries", "union", "clip", "subtract", "drop-holes", "split-at-180"};
    return names[static_cast<int>(verb)];
}

std::string described(const CommandLineRead& read) {
    if (!read.ok()) return "error: " + read.error;
    const CommandLine& c = read.command;
    std::ostringstream out;
    out << verbName(c.verb);
    for (const std::string& input : c.inputs) out << " in=" << std::quoted(input);
    if (!c.output.empty()) out << " out=" << c.output;
    if (c.title) out << " title=" << *c.title;
    if (c.ring) out << " ring=" << *c.ring;
    if (c.metres != 0) out << " metres=" << c.metres;
    if (c.commit) out << " commit";
    if (c.mitre) out << " mitre";
    if (!c.areaFile.empty()) out << " area-file=" << c.areaFile;
    if (c.squareKilometres != 0) out << " km2=" << c.squareKilometres;
    if (c.mergeAreas) out << " union";
    if (c.width != 0 || c.height != 0) out << " size=" << c.width << 'x' << c.height;
    if (c.window) out << " window";
    if (c.edit) out << " edit";
    if (c.proportional) out << " proportional";
    if (!c.background.empty()) out << " background=" << c.background;
    if (c.view) out << " view=" << (*c.view)[0] << ',' << (*c.view)[1] << ',' << (*c.view)[2] << ',' << (*c.view)[3];
    for (const std::int64_t id : c.relations) out << " relation=" << id;
    if (c.partial) out << " partial";
    if (!c.adminLevel.empty()) out << " admin-level=" << c.adminLevel;
    if (!c.map.empty()) out << " map=" << c.map;
    if (c.mapTimeout != 10) out << " map-timeout=" << c.mapTimeout;
    return out.str();
}

TEST(CommandLineTable, everyRowReadsToWhatItSays) {
    for (const test::TableRow& row : test::tableRows("command-lines.txt"))
        EXPECT_EQ(row.expected, described(readCommandLine(test::commandWords(row.input)))) << "command-lines.txt:" << row.line;
}

}  // namespace
