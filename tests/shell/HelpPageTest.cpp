// Finding the help page from the executable's folder, its file URL, and
// that the page shipped describes the program's commands and messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/HelpPage.h"
#include "support/ScriptedPlatform.h"
#include "support/TestFiles.h"

namespace tess {
namespace {

using test::readFile;
using test::ScriptedPlatform;
using test::TempDir;
using test::writeFile;

namespace fs = std::filesystem;

std::string placePage(const TempDir& root, const std::string& folder) {
    fs::create_directories(root.file(folder));
    const std::string path = root.file(folder + "/tessaline-help.html");
    writeFile(path, "<html></html>");
    return path;
}

TEST(HelpPage, AnInstalledPageUnderShareIsFound) {
    TempDir root;
    fs::create_directories(root.file("bin"));
    const std::string page = placePage(root, "share/tessaline/help");
    placePage(root, "bin/help");  // the installed place comes first
    EXPECT_EQ(helpPagePath(root.file("bin")), page);
    EXPECT_EQ(helpPageUrl(root.file("bin")), "file://" + page);
}

TEST(HelpPage, APageBesideTheExecutableIsFound) {
    TempDir root;
    const std::string page = placePage(root, "app/help");
    EXPECT_EQ(helpPagePath(root.file("app")), page);
}

TEST(HelpPage, TheSourceTreeCopyIsFoundFromABuildFolder) {
    TempDir root;
    fs::create_directories(root.file("build/src"));
    const std::string page = placePage(root, "src/shell/help");
    EXPECT_EQ(helpPagePath(root.file("build/src")), page);
}

TEST(HelpPage, WithNoCopyNearTheExecutableTheUrlStillNamesAPage) {
    TempDir root;
    const std::string url = helpPageUrl(root.file("bin"));
    EXPECT_EQ(url.rfind("file:///", 0), 0u);
    EXPECT_NE(url.find("tessaline-help.html"), std::string::npos);
}

TEST(HelpPage, TheFirstCandidateIsTheInstalledPlace) {
    const auto candidates = helpPageCandidates("/opt/tess/bin");
    ASSERT_FALSE(candidates.empty());
    EXPECT_EQ(candidates.front(), "/opt/tess/share/tessaline/help/tessaline-help.html");
}

TEST(HelpPage, PathsWithBlanksAndNonAsciiLettersAreEscapedInTheUrl) {
    EXPECT_EQ(fileUrl("/home/a b/Zürich #1.html"), "file:///home/a%20b/Z%C3%BCrich%20%231.html");
}

TEST(HelpPage, HelpOpensThePageThroughThePlatform) {
    TempDir root;
    const std::string page = placePage(root, "app/help");
    ScriptedPlatform platform;
    openHelpPage(platform, root.file("app"));
    EXPECT_EQ(platform.openedUrls, std::vector<std::string>{"file://" + page});
    EXPECT_TRUE(platform.shown.empty());
}

// The page that ships with the program, found the way the program finds it.
std::string shippedPage() {
    const std::string path = helpPagePath(fs::current_path().string());
    EXPECT_FALSE(path.empty());
    std::string text = readFile(path);
    // Compare against the plain text of the page.
    for (std::size_t at; (at = text.find("&amp;")) != std::string::npos;) text.replace(at, 5, "&");
    return text;
}

TEST(HelpPage, TheShippedPageDescribesEveryMenuEntryAndShortcut) {
    const std::string page = shippedPage();
    for (const char* entry :
         {"New", "Open Poly File", "Open GPX", "Save As", "Save Selection", "Exit", "Add Background",
          "Cancel Background", "Use Last Background", "Combine Poly Files", "Convert to GPX",
          "About Tessaline", "Ctrl+S", "Ctrl+B", "Esc", "Edit", "ADD", "Remove", "Merge", "Information",
          "--combine", "--convert"})
        EXPECT_NE(page.find(entry), std::string::npos) << entry;
}

TEST(HelpPage, TheShippedPageExplainsEveryMessage) {
    const std::string page = shippedPage();
    for (const char* message :
         {"Cannot open file.", "Try renaming it ( & folder) using non-Unicode asci", "Cannot find END",
          "Error. Check poly file ", "Error saving ", "No data", "No Data", "Too many nodes to edit ",
          "No selection found", "Please Add (+) or Cancel (ESc) selection", "Please create a Polygon.",
          "No Latitude/Longitude Data", "Press ESC to cancel selection", "No coordinates found.",
          "Please load a background file.", "File must contain more than 1 polygon", "Are you sure?",
          "Start a new project?", "Changes not saved. Continue Anyway?", "Current changes not saved.",
          "Continue anyway?", "Save changes", "File not saved . Save file ?", "Replace file?",
          "Cannot find gpx:", "Not a poly file:", "No previous background found",
          "Change background to see selected poly", "Please add Files", "Untitled",
          "These files could not be read and were left out:", "The combined file was saved as ",
          "The help page was not found:"})
        EXPECT_NE(page.find(message), std::string::npos) << message;
}

}  // namespace
}  // namespace tess
