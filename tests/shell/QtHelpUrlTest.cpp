// The help page's file URL survives the toolkit's URL parsing used when it
// is handed to the browser, blanks and non-ASCII letters included.
#include <gtest/gtest.h>

#include <QUrl>

#include "shell/HelpPage.h"

namespace tess {
namespace {

TEST(HelpUrl, TheToolkitReadsTheFileUrlBackAsTheSamePath) {
    const std::string path = "/home/a b/Zürich #1/tessaline-help.html";
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(fileUrl(path)));
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile().toStdString(), path);
}

TEST(HelpUrl, TheShippedPageIsALocalFileUrl) {
    const QUrl url = QUrl::fromUserInput(QString::fromStdString(helpPageUrl(".")));
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_TRUE(url.toLocalFile().endsWith("tessaline-help.html"));
}

}  // namespace
}  // namespace tess
