// The merge of one file, and of the same file twice.
#include "FuzzSupport.h"
#include "combine/Merge.h"

using namespace tess;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::asText(data, size);
    mergeTexts({text}, "Untitled");
    mergeTexts({text, text}, "Untitled");
    return 0;
}
