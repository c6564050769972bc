#pragma once
// Conversions between the stored single-byte Windows-1252 texts and QString.
// Segment names and meanings carry pronunciation-mark bytes; markedText()
// shows them as Unicode marks, to be drawn in the mark font (MarkFont).

#include <QString>
#include <string>

namespace moxlet::ui {

// Windows-1252 bytes as they are, converted to Unicode.
QString fromStored(const std::string& bytes);
// Unicode typed by the tutor, to Windows-1252; characters that code page
// lacks become '?', control characters a blank.
std::string toStored(const QString& text);
// The characters of text that Windows-1252 lacks (toStored() would store
// them as '?'), in their order; control characters are not among them.
QString unstorableCharacters(const QString& text);
// A text with its pronunciation marks mapped for display.
QString markedText(const std::string& bytes);

}  // namespace moxlet::ui
