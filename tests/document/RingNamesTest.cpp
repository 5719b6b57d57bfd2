// A ring's name line as a save writes it: names stay as written, a number
// name follows its ring once the ring's place changes, and a ring without
// a name line gets its number as a repair (the table
// tests/cases/ring-names.txt).
#include <gtest/gtest.h>

#include "document/Writer.h"
#include "support/TestFiles.h"

using namespace tess;

namespace {

TEST(RingName, isKeptOrFollowsItsPlace) {
    for (const test::TableRow& row : test::tableRows("ring-names.txt")) {
        const auto bar = row.input.find('|'), secondBar = row.input.rfind('|');
        RingText ring;
        ring.name = row.input.substr(0, bar);
        ring.place = std::stoi(row.input.substr(bar + 1));
        std::string out;
        WriteReport report;
        writing::appendNameLine(out, ring, std::stoul(row.input.substr(secondBar + 1)), "\n", report);
        EXPECT_EQ(row.expected, out.substr(0, out.size() - 1) + "|" + std::to_string(report.repairedLines))
            << "ring-names.txt:" << row.line;
    }
}

TEST(RingName, keepsItsOwnLineEnd) {
    RingText ring;
    ring.name = "germany";
    ring.place = 1;
    ring.nameLineEnd = "\r";
    std::string out;
    WriteReport report;
    writing::appendNameLine(out, ring, 1, "\n", report);
    EXPECT_EQ("germany\r", out);
}

}  // namespace
