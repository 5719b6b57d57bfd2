// Tessaline: a batch command when the arguments name one, else the editor.
#include <string>
#include <vector>

#include "app/Batch.h"
#include "app/QtApplication.h"
#include "app/QtRender.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args.front() == "--render") return tess::runRender(argc, argv, args);
    if (tess::isBatchCommand(args)) return tess::runBatch(args);
    if (!args.empty() && args.front() == "--") {
        // "--" ends the options: what follows is the file to open, even
        // when its name begins with "-".
        argv[1] = argv[0];
        return tess::runWindow(argc - 1, argv + 1);
    }
    return tess::runWindow(argc, argv);
}
