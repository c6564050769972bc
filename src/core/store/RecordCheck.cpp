#include "core/store/RecordCheck.h"

#include <algorithm>

namespace moxlet {

namespace {

struct Checker {
    Problems* problems;
    const std::string& file;
    std::int32_t record;

    void note(const std::string& text) const { moxlet::note(problems, file, record, text); }

    template <std::size_t N>
    void text(FixedText<N>& t, const std::string& field) const
    {
        if (blankControls(t)) note(field + " holds control characters; shown as blanks");
    }

    // One note for a whole array of texts.
    template <class Texts>
    void texts(Texts& all, const std::string& field) const
    {
        int bad = 0;
        for (auto& t : all) bad += blankControls(t) ? 1 : 0;
        if (bad)
            note(std::to_string(bad) + " " + field + " text(s) hold control characters; shown as blanks");
    }

    template <std::size_t N>
    static bool blankControls(FixedText<N>& t)
    {
        bool bad = false;
        for (char& c : t.bytes()) {
            auto u = static_cast<unsigned char>(c);
            if (u < 32 || u == 127) {
                c = ' ';
                bad = true;
            }
        }
        return bad;
    }

    void syllables(std::int16_t& lo, std::int16_t& hi) const
    {
        if (lo >= 1 && lo <= 9 && hi >= 1 && hi <= 9 && lo <= hi) return;
        note("syllable range " + std::to_string(lo) + ".." + std::to_string(hi) +
             " is not within 1..9; using " + std::to_string(std::clamp<int>(std::min(lo, hi), 1, 9)) + ".." +
             std::to_string(std::clamp<int>(std::max(lo, hi), 1, 9)));
        auto a = static_cast<std::int16_t>(std::clamp<int>(lo, 1, 9));
        auto b = static_cast<std::int16_t>(std::clamp<int>(hi, 1, 9));
        lo = std::min(a, b);
        hi = std::max(a, b);
    }

    void segments(SegmentSet& set, const std::string& field) const
    {
        if (int n = clearUnknownSegmentBits(set))
            note(field + " names " + std::to_string(n) + " unknown segment(s); left out");
    }

    // Positions: -1 (none) or 0..limit, and -9 (a typed word) where typed
    // words may stand; anything else becomes -1.
    template <class Array>
    void positions(Array& values, int limit, const std::string& field, bool typed = false) const
    {
        int bad = 0;
        for (auto& v : values) {
            if (v != -1 && !(typed && v == -9) && (v < 0 || v > limit)) {
                v = -1;
                ++bad;
            }
        }
        if (bad) note(field + " has " + std::to_string(bad) + " position(s) beyond any list; cleared");
    }

    // A small value 0..max; anything else becomes fallback.
    void option(std::int16_t& v, int max, std::int16_t fallback, const std::string& field) const
    {
        if (v >= 0 && v <= max) return;
        note(field + " is " + std::to_string(v) + ", not 0.." + std::to_string(max) + "; using " +
             std::to_string(fallback));
        v = fallback;
    }
};

}  // namespace

int clearUnknownSegmentBits(SegmentSet& set)
{
    static constexpr SegmentSet known = [] {
        SegmentSet s;
        s.addRange(0, seg::Count - 1);
        s.setFlagBits();
        return s;
    }();
    int cleared = 0;
    for (int w = 1; w <= kSetWords; ++w) {
        const int allowed = static_cast<std::uint16_t>(known.word(w));
        int value = static_cast<std::uint16_t>(set.word(w));
        int extra = value & ~allowed;
        for (int bit = extra; bit; bit &= bit - 1) ++cleared;
        set.word(w) = static_cast<std::int16_t>(value & allowed);
    }
    return cleared;
}

RecordState checkProfile(StudentProfile& p, std::int32_t recordNo, Problems* problems,
                         const std::string& file)
{
    Checker c{problems, file, recordNo};
    if (p.InUse == 0) return RecordState::Free;
    if (p.InUse != 1) {
        c.note("InUse is " + std::to_string(p.InUse) + ", not 0 or 1; record skipped");
        return RecordState::Skipped;
    }
    if (p.ProfileNo != recordNo)
        c.note("ProfileNo is " + std::to_string(p.ProfileNo) + ", not its record number");
    if (p.FormatVersion != kFormatVersion && p.FormatVersion >= 30000)
        c.note("unknown FormatVersion " + std::to_string(p.FormatVersion));
    c.text(p.LastName, "LastName");
    c.text(p.FirstName, "FirstName");
    c.text(p.ParentName, "ParentName");
    c.text(p.Address, "Address");
    c.text(p.StudentSchool, "StudentSchool");
    c.text(p.StudentTeacher, "StudentTeacher");
    c.text(p.StudentGrade, "StudentGrade");
    c.text(p.HourlyRate, "HourlyRate");
    c.text(p.HomePhone, "HomePhone");
    c.text(p.WorkPhone, "WorkPhone");
    c.text(p.TeachPhone, "TeachPhone");
    c.text(p.StudentComments, "StudentComments");
    c.syllables(p.SyllableMin, p.SyllableMax);
    c.segments(p.StudiedSegments, "StudiedSegments");
    return RecordState::Live;
}

RecordState checkPlan(LessonPlan& p, std::int32_t recordNo, std::int16_t profileNo, Problems* problems,
                      const std::string& file)
{
    Checker c{problems, file, recordNo};
    if (p.InUse != 1) {
        c.note("InUse is " + std::to_string(p.InUse) + ", not 1; plan skipped");
        return RecordState::Skipped;
    }
    if (p.ProfileNo != profileNo) {
        c.note("ProfileNo is " + std::to_string(p.ProfileNo) + ", but the file belongs to profile " +
               std::to_string(profileNo));
        p.ProfileNo = profileNo;
    }
    c.text(p.LessonDate, "LessonDate");
    c.syllables(p.SyllableMin, p.SyllableMax);
    c.positions(p.AuditorySegments, seg::Count - 1, "Auditory section");
    c.positions(p.ReviewSegments, seg::Count - 1, "Review section");
    c.positions(p.SpellingSegments, seg::Count - 1, "Spelling section");
    c.positions(p.NewSegments, seg::Count - 1, "New section");
    int badTags = 0;
    for (std::size_t k = 0; k < p.SpellWordTag.size(); ++k) {
        auto& tag = p.SpellWordTag[k];
        if (tag == -1 || tag == -9 || (tag >= 0 && tag <= kMaxListPosition)) continue;
        tag = p.SpellWord[k].blank() ? -1 : -9;
        ++badTags;
    }
    if (badTags) c.note("SpellWordTag has " + std::to_string(badTags) + " unknown tag(s); repaired");
    c.texts(p.SpellWord, "SpellWord");
    std::array<std::int16_t, 320> listPos{};
    std::array<FixedText<20>, 320> listWords;
    std::size_t n = 0;
    for (std::size_t i = 0; i < 2; ++i)
        for (std::size_t j = 0; j < 4; ++j)
            for (std::size_t k = 0; k < 40; ++k, ++n) {
                listPos[n] = p.ListWordPos[i][j][k];
                listWords[n] = p.ListWord[i][j][k];
            }
    c.positions(listPos, kMaxListPosition, "ListWordPos", true);
    c.texts(listWords, "ListWord");
    n = 0;
    for (std::size_t i = 0; i < 2; ++i)
        for (std::size_t j = 0; j < 4; ++j)
            for (std::size_t k = 0; k < 40; ++k, ++n) {
                p.ListWordPos[i][j][k] = listPos[n];
                p.ListWord[i][j][k] = listWords[n];
            }
    c.texts(p.Sentence, "Sentence");
    c.positions(p.SpellingThinOffset, kMaxListPosition, "SpellingThinOffset");
    c.positions(p.ReviewThinOffset, kMaxListPosition, "ThinOffset(Review)");
    c.positions(p.NewThinOffset, kMaxListPosition, "ThinOffset(New)");
    c.option(p.PlanReviewListSize, 2, 1, "PlanReviewListSize");
    c.option(p.PlanNewListSize, 2, 1, "PlanNewListSize");
    c.segments(p.PlanStudiedSegments, "PlanStudiedSegments");
    return RecordState::Live;
}

}  // namespace moxlet
