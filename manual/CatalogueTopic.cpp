// moxlet-manual-catalogue FILE: writes the manual's page that lists every
// word segment of the catalogue (catalogue-list.html), by kind and in the
// program's own order, with the names as the program shows them (marks
// drawn), the meanings of affixes and roots, the component consonants of
// each blend and the group each segment belongs to.  The build runs it, so
// the page always matches the catalogue compiled into the program.
#include <fstream>
#include <iostream>
#include <string>

#include "core/catalogue/Catalogue.h"
#include "core/catalogue/Marks.h"
#include "core/catalogue/SegmentIds.h"

namespace {

using namespace moxlet;

std::string escape(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string shown(const std::string& stored) { return escape(displayText(stored)); }

std::string name(int id) { return "<span class=\"marks\">" + shown(segmentName(id)) + "</span>"; }

std::string group(int id)
{
    const int g = groupOf(id);
    return g < 0 ? std::string() : escape(groupTitle(g));
}

struct Kind {
    const char* anchor;
    const char* title;
    int first;
    int last;
    const char* note;
};

const Kind kKinds[] = {
    {"phonograms", "Phonograms", seg::FirstPhonogram, seg::LastPhonogram,
     "Letters and letter groups with the sound they stand for; a mark in parentheses names the "
     "sound."},
    {"categories", "Word categories", seg::KindOldWords, seg::KindOldWords,
     "Kind Old Words: words such as kind, old, wild and most, whose vowel is long in a closed "
     "syllable."},
    {"syllables", "Syllable types", seg::FirstSyllableType, seg::LastSyllableType,
     "The syllable types. Vowel Pair and R-Controlled never keep a word out of a student's lists."},
    {"blends", "Consonant blends", seg::FirstBlend, seg::LastBlend,
     "A blend can be marked as studied, or introduced as New, only together with or after its "
     "component "
     "consonants. Blends never keep a word out of a student's lists."},
    {"rules", "Spelling rules", seg::FirstRule, seg::LastRule, "The spelling rules."},
    {"prefixes", "Prefixes", seg::FirstPrefix, seg::NumberPrefixes, "Prefixes with their meanings."},
    {"chameleons", "Chameleon prefixes", seg::FirstChameleon, seg::LastChameleon,
     "Prefixes whose last letter changes to match the consonant that follows (+ cons)."},
    {"suffixes", "Suffixes", seg::FirstSuffix, seg::LastSuffix, "Suffixes with their meanings."},
    {"roots", "Latin roots", seg::FirstRoot, seg::LastRoot,
     "Latin roots with their meanings. Everyday words built on a root are listed before the root "
     "is "
     "studied; rarer words wait until it is."},
    {"rote", "Rote words", seg::RoteWords, seg::RoteWords,
     "Rote Words: words learned as a whole because they do not follow the patterns."},
};

void writeKind(std::ostream& out, const Kind& kind)
{
    const bool blends = kind.first == seg::FirstBlend;
    const bool meanings = kind.first >= kFirstWithMeaning && kind.last <= kLastWithMeaning;
    out << "<h2><a name=\"" << kind.anchor << "\"></a>" << kind.title << "</h2>\n";
    out << "<p>" << escape(kind.note) << "</p>\n";
    out << "<table class=\"list\">\n<tr><th>Segment</th>";
    if (blends) out << "<th>Made of</th>";
    if (meanings) out << "<th>Meaning</th>";
    out << "<th>Group</th></tr>\n";
    for (int id = kind.first; id <= kind.last; ++id) {
        out << "<tr><td>" << name(id) << "</td>";
        if (blends) {
            out << "<td>";
            const auto& parts = BlendPart[static_cast<std::size_t>(id - kFirstBlend)];
            for (std::size_t k = 0; k < parts.size() && parts[k] >= 0; ++k)
                out << (k ? " + " : "") << name(parts[k]);
            out << "</td>";
        }
        if (meanings) out << "<td class=\"marks\">" << shown(segmentMeaning(id)) << "</td>";
        out << "<td>" << group(id) << "</td></tr>\n";
    }
    out << "</table>\n";
}

void writeGroups(std::ostream& out)
{
    out << "<h2><a name=\"groups\"></a>Groups</h2>\n"
           "<p>A printed or copied plan names a group by its title when the student has studied "
           "every "
           "segment in it, instead of listing the segments one by one.</p>\n"
           "<table class=\"list\">\n<tr><th>Group</th><th>Segments</th></tr>\n";
    for (std::size_t g = 0; g < kGroupCount; ++g) {
        out << "<tr><td>" << escape(groupTitle(static_cast<int>(g))) << "</td><td>";
        bool first = true;
        for (SegmentId id : listSet(GroupMask[g])) {
            out << (first ? "" : ", ") << name(id);
            first = false;
        }
        out << "</td></tr>\n";
    }
    out << "</table>\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: moxlet-manual-catalogue FILE\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>Every word segment</title>\n"
           "<link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\">\n</head>\n<body>\n"
           "<p class=\"path\"><a href=\"index.html\">Contents</a> &gt; "
           "<a href=\"catalogue.html\">The word segment catalogue</a></p>\n"
           "<h1>Every word segment</h1>\n"
           "<p>All "
        << kSegmentCount << " word segments, in the order in which Moxlet lists them everywhere. Jump to: ";
    bool first = true;
    for (const Kind& kind : kKinds) {
        out << (first ? "" : ", ") << "<a href=\"#" << kind.anchor << "\">" << kind.title << "</a>";
        first = false;
    }
    out << ", <a href=\"#groups\">Groups</a>.</p>\n";
    for (const Kind& kind : kKinds) writeKind(out, kind);
    writeGroups(out);
    out << "</body>\n</html>\n";
    out.close();
    if (!out) {
        std::cerr << "moxlet-manual-catalogue: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
