// Finding the help page that ships with the program, a local HTML file,
// and handing it to the browser as a file URL.
#pragma once

#include "platform/Messages.h"

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace tess {

inline constexpr const char* kHelpFileName = "tessaline-help.html";

// The places the page may be, most likely first, for a program whose
// executable lies in exeDir: installed (../share/tessaline/help), beside
// the executable (help/), and the source tree of a build folder.
std::vector<std::string> helpPageCandidates(const std::string& exeDir);

// The first candidate that exists, as an absolute path; empty when none.
std::string helpPagePath(const std::string& exeDir);


// An absolute path as a file:// URL, with every byte that may not stand
// in a URL written as %XX.
std::string fileUrl(const std::string& absolutePath);

// Help, "Help": opens the page in the default browser. Whether a browser
// came up is not known and not reported; a missing page is.
void openHelpPage(Platform& platform, const std::string& exeDir);

}  // namespace tess
