// A ring's name line as a save writes it: names stay as written, a number
// name follows its ring once the ring's place changes, and a ring without
// a name line gets its number as a repair.
#include <gtest/gtest.h>

#include "document/Writer.h"

using namespace tess;

namespace {

struct NameCase {
    const char* name;
    int placeRead;  // 0: made here
    std::size_t placeNow;
    const char* written;
    std::int64_t repairs;
};

TEST(RingName, isKeptOrFollowsItsPlace) {
    const NameCase cases[] = {
        {"3", 3, 3, "3", 0},           {"3", 3, 2, "2", 0},         {"!3", 3, 2, "!2", 0},
        {" 7", 7, 1, "1", 0},          {"!1s", 2, 1, "!1s", 0},     {"germany", 1, 2, "germany", 0},
        {"Cook Islands", 4, 4, "Cook Islands", 0}, {"0", 1, 1, "0", 0}, {"3;2;1", 1, 3, "3;2;1", 0},
        {"", 1, 1, "1", 1},            {"", 2, 5, "5", 1},          {"", 0, 5, "5", 0},
        {"5", 0, 2, "2", 0},           {"!", 2, 1, "!", 0},
    };
    for (const NameCase& c : cases) {
        RingText ring;
        ring.name = c.name;
        ring.place = c.placeRead;
        std::string out;
        WriteReport report;
        writing::appendNameLine(out, ring, c.placeNow, "\n", report);
        EXPECT_EQ(std::string(c.written) + "\n", out) << "'" << c.name << "' read at " << c.placeRead;
        EXPECT_EQ(c.repairs, report.repairedLines) << "'" << c.name << "'";
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
