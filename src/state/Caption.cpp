#include "state/Caption.h"

namespace tess {

void updateCaption(State& s, const std::string& name) {
    s.caption = std::string("Tessaline ") + kAppVersion + " " + name;
    if (s.doc.modified) s.caption += "+";
}

}  // namespace tess
