#include "platform/ConsolePlatform.h"

#include <ostream>

namespace tess {

ConsolePlatform::ConsolePlatform(std::ostream& out) : out_(out) {}

void ConsolePlatform::print(std::string_view text) {
    // The messages are made for boxes, with CR LF breaks; a terminal wants LF.
    for (char c : text)
        if (c != '\r') out_ << c;
    out_ << '\n';
}

void ConsolePlatform::message(std::string_view text) { print(text); }

bool ConsolePlatform::askYesNo(std::string_view text) {
    print(text);
    out_ << "(answered No)\n";
    return false;
}

Answer ConsolePlatform::askYesNoCancel(std::string_view text) {
    print(text);
    out_ << "(answered Cancel)\n";
    return Answer::Cancel;
}

}  // namespace tess
