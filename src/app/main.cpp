// Tessaline: a batch command when the command line names one, else the
// editor.
#include <iostream>
#include <string>
#include <vector>

#include "app/Batch.h"
#include "app/CommandLine.h"
#include "app/QtApplication.h"
#include "app/QtRender.h"
#include "platform/Messages.h"
#include "platform/StartTimes.h"

int main(int argc, char** argv) {
    using namespace tess;
    markProgramStart();
    const CommandLineRead read = readCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!read.ok()) {
        std::cerr << "tessaline: " << read.error << "\n" << kTryHelp << "\n";
        return 2;
    }
    switch (read.command.verb) {
    case Verb::Window: return runWindow(argv[0], read.command);
    case Verb::Render: return runRender(argv[0], read.command);
    default: return runBatch(read.command);
    }
}
