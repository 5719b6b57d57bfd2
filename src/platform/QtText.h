// Text the user wrote, shown in widgets and written back in its own
// encoding: a title or name in UTF-8 stays UTF-8, one in a single-byte
// code page (Latin-1 and the like) stays single-byte, so a file saved
// after an edit keeps the bytes of everything the user did not retype.
#pragma once

#include <QString>
#include <string>

namespace tess {

bool isUtf8(const std::string& bytes);
// The bytes as text: UTF-8 when they are, else one character per byte.
QString shownText(const std::string& bytes);
// The text as bytes, in the encoding `original` was in.
std::string writtenText(const QString& text, const std::string& original);

}  // namespace tess
