// Finding the help page and handing it to the browser.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/HelpPage.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"

namespace {

using namespace tess;

TEST(HelpPage, urlsEscapeBlanksPercentSignsAndBytesBeyondAscii) {
    EXPECT_EQ("file:///Az%20b/%C3%A9%25.html", tess::fileUrl("/Az b/\xC3\xA9%.html"));
}

TEST(HelpPage, theInstalledCopyComesFirstThenTheOneBesideTheProgram) {
    test::TempDir root;
    std::filesystem::create_directories(root.file("share/tessaline/help"));
    std::filesystem::create_directories(root.file("bin/help"));
    test::writeFile(root.file("share/tessaline/help/tessaline-help.html"), "x");
    test::writeFile(root.file("bin/help/tessaline-help.html"), "x");
    EXPECT_EQ(root.file("share/tessaline/help/tessaline-help.html"), helpPagePath(root.file("bin")));
    std::filesystem::remove(root.file("share/tessaline/help/tessaline-help.html"));
    test::ScriptedPlatform platform;
    openHelpPage(platform, root.file("bin"));
    EXPECT_EQ(std::vector<std::string>{"file://" + root.file("bin/help/tessaline-help.html")}, platform.openedUrls);
}

}  // namespace
