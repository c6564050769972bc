#pragma once
// Turning stored Windows-1252 texts into UTF-8 for display and print.
//
// Segment names and meanings carry pronunciation marks as single bytes in the
// range 0xA1..0xB4; the stored texts keep those bytes, and only what is shown
// or printed maps them. displayText() draws them as these Unicode forms (a
// literacy font that renders combining marks, such as Andika, shows them
// well):
//
//   byte(s)   sound        shown as                    e.g.
//   A1        schwa        U+0259 ə                    A (ə) about
//   A2        long a       U+0101 ā                    EA (ā) great
//   A4        long e       U+0113 ē                    EA (ē) meat
//   A5        short e      U+0115 ĕ                    E (ĕ) bed
//   A6        long i       U+012B ī                    IE (ī) pie
//   A7        long o       U+014D ō                    OW (ō) snow
//   A8        o as in do   U+00F6 ö                    O (ö) do
//   A9 AA     long oo      o U+035E o  (o͞o)           OO (o͞o) moon
//   AB AC     short oo     o U+035D o  (o͝o)           OO (o͝o) book
//   AD        long u       U+016B ū                    EW (ū) few
//   AE        short u      U+016D ŭ                    U (ŭ) cup
//   AF        long o       U+014D ō                    O (ō) go
//   B0 B1     voiced th    t U+035F h  (t͟h)           TH (t͟h) this
//   B2        short a      U+0103 ă                    A (ă) cat
//   B3        short i      U+012D ĭ                    I (ĭ) sit
//   B4        short o      U+014F ŏ                    O (ŏ) hot
//
// A7 and AF are the same sound in different contexts and look alike; no two
// catalogue names differ only in them. 0xA3 is not a mark and stays "£". A
// half of a two-byte mark without its partner (A9, AA, AB, AC, B0 or B1 on
// its own) is not a mark either and shows as its Windows-1252 character, so
// nothing is dropped. Every other byte is converted as Windows-1252.

#include <string>
#include <string_view>

namespace moxlet {

// Windows-1252 to UTF-8, byte by byte. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the C1 control characters
// of the same number, as Windows converts them, so no byte is lost; 0xAD
// stays U+00AD (soft hyphen).
std::string cp1252ToUtf8(std::string_view text);

// A stored name or meaning as UTF-8 with its pronunciation marks drawn as the
// table above shows.
std::string displayText(std::string_view stored);

}  // namespace moxlet
