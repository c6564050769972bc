// A word base file and an offset index over it, both from the input:
//
//   flags              bit 0 no file at all, bit 1 New list, bit 3 check
//                      without a segment (bit 2 unused), bits 4-7 the level
//                      offered (mod 3)
//   start (signed)     the first block starts at record 1 + start
//   blocks (0..8)      then per block: segment (u16, mod 361), syllable
//                      index (mod 9), record count (u16); blocks follow
//                      each other, every other block of the index is empty
//   studied            24 16-bit words
//   min, max           syllable range (0..10, clamped by the readers)
//   offset             the remembered thinning offset (16 bits)
//   word               length (mod 24) and text, for the word check
//   file               the rest: WORDBASE.WDB
//
// An index may name records the file does not have, records before the
// first, or a file whose length is not whole records.  The readers report a
// bad file through the file error box and go on with what they could read:
// nothing faults, no read asks for more than a data file could hold, every
// listed candidate lies in its run and decodes, a list never exceeds
// kMaxCandidates, and a word the check calls Offered is in the list the
// collection makes from the same remembered offset.  The word base by text
// answers the check as reading runs does (where nothing was reported), and
// a passage made of the word's bytes is read within its bounds.

#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "core/words/CandidateCollector.h"
#include "core/words/PassageCheck.h"
#include "core/words/WordCheck.h"

using namespace moxlet;

namespace {

struct Block {
    int segment;
    int syllableIndex;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ByteSource in(data, size);
    const std::uint8_t flags = in.byte();
    std::int32_t next = 1 + static_cast<std::int8_t>(in.byte());
    static const OffsetIndex empty = [] {
        OffsetIndex all;
        for (int s = 0; s < kIndexSegments; ++s)
            for (int k = 0; k < kIndexSyllables; ++k) all.set(s, k, 1, 0);
        return all;
    }();
    OffsetIndex index = empty;
    std::vector<Block> blocks;
    const int blockCount = in.byte() % 9;
    for (int b = 0; b < blockCount; ++b) {
        const int segment = in.u16() % kIndexSegments;
        const int syllableIndex = in.byte() % kIndexSyllables;
        const std::int32_t count = in.u16();
        index.set(segment, syllableIndex, next, next + count - 1);
        next += count;
        blocks.push_back({segment, syllableIndex});
    }
    SegmentSet studied;
    for (int w = 1; w <= 24; ++w) studied.word(w) = in.i16();
    const int syllableMin = in.byte() % 11;
    const int syllableMax = in.byte() % 11;
    const std::int16_t offset = in.i16();
    const std::vector<std::uint8_t> text = in.bytes(in.byte() % 24);
    const std::vector<std::uint8_t> file = in.rest();

    fuzz::BoundedFileSystem fs;
    fuzz::FuzzPrompt prompt;
    SeededRandom random(size);
    if ((flags & 1) == 0) fs.put(kWordBaseFileName, file);
    const FileContext ctx{fs, prompt, random};
    std::unique_ptr<WordBase> wordBase = WordBase::open(ctx);
    if (!wordBase) {
        FUZZ_CHECK((flags & 1) != 0 && prompt.shown() == 1);
        return 0;
    }
    const std::int32_t count = wordBase->recordCount();
    FUZZ_CHECK((flags & 1) == 0);
    FUZZ_CHECK(count == static_cast<std::int32_t>(file.size() / kWordRecordLength));

    WordRecord word;
    for (std::int32_t n : {0, -1, count + 1}) FUZZ_CHECK(!wordBase->read(n, word));
    if (count > 0) {
        wordBase->read(1, word);
        wordBase->read(count, word);
    }

    const StudentMasks masks = StudentMasks::fromStudied(studied);
    const bool newList = (flags & 2) != 0;
    const auto upTo = static_cast<WordLevel>((flags >> 4) % 3);
    for (const Block& b : blocks) {
        CandidateQuery q;
        q.segment = static_cast<SegmentId>(b.segment);
        q.syllableMin = syllableMin;
        q.syllableMax = syllableMax;
        q.newSegment = newList;
        q.upTo = upTo;
        std::int16_t thinOffset = offset;
        const Candidates c = collectCandidates(*wordBase, index, masks, q, thinOffset, random);
        FUZZ_CHECK(c.size() <= static_cast<std::size_t>(kMaxCandidates));
        for (std::size_t k = 0; k < c.size(); ++k) {
            const std::int32_t n = c.records[k];
            FUZZ_CHECK(n >= c.run.first && n <= c.run.last && n <= count);
            FUZZ_CHECK(k == 0 || n > c.records[k - 1]);
            WordRecord w;
            FUZZ_CHECK(!c.word(k, w) || offeredUpTo(w.Level, upTo));
        }
        if (!c.empty()) {
            WordRecord w;
            FUZZ_CHECK(c.word(0, w) && c.word(c.size() - 1, w));
        }
        FUZZ_CHECK(!c.word(c.size(), word));
    }

    WordCheckQuery q;
    q.word.assign(text.begin(), text.end());
    q.studied = studied;
    q.syllableMin = syllableMin;
    q.syllableMax = syllableMax;
    q.segment = (flags & 8) != 0 || blocks.empty() ? kNoSegment : static_cast<SegmentId>(blocks[0].segment);
    q.newList = newList;
    q.thinOffset = offset;
    q.upTo = upTo;
    const std::size_t reported = prompt.shown();
    const WordCheckResult r = checkWord(*wordBase, index, q);
    if (const auto texts = WordTextIndex::build(*wordBase, index)) {
        const WordCheckResult byText = checkWord(*wordBase, index, q, texts.get());
        if (prompt.shown() == reported)
            FUZZ_CHECK(byText.verdict == r.verdict && byText.word == r.word &&
                       byText.syllables == r.syllables && byText.unstudied == r.unstudied);
        PassageStudent student;
        student.studied = studied;
        student.syllableMin = syllableMin;
        student.syllableMax = syllableMax;
        const PassageReport p = checkPassage(*wordBase, index, *texts, q.word, student);
        for (const auto& place : p.places)
            FUZZ_CHECK(place.begin < place.end && place.end <= q.word.size() && place.word < p.words.size());
        FUZZ_CHECK(p.decodableWords <= p.runningWords);
    }
    if (r.offered() && q.segment != kNoSegment && q.segment < seg::Count) {
        CandidateQuery cq;
        cq.segment = q.segment;
        cq.syllableMin = syllableMin;
        cq.syllableMax = syllableMax;
        cq.newSegment = newList;
        cq.upTo = upTo;
        std::int16_t thinOffset = offset;
        const Candidates c = collectCandidates(*wordBase, index, masks, cq, thinOffset, random);
        bool listed = false;
        for (std::size_t k = 0; k < c.size() && !listed; ++k) {
            WordRecord w;
            listed = c.word(k, w) && w.WordText.trimmed() == r.word;
        }
        FUZZ_CHECK(listed);
    }
    return 0;
}
