// Vowel phonograms by sound, vowel teams, r-controlled spellings, Kind Old
// Words and Rote Words, from the tagging by sound (SoundBridge.h,
// VowelSounds.h).  A one-letter long vowel gets no phonogram (its syllable
// type explains it), except O (ō).  The consonant ids of the same parse are
// the consonant tagger's; tagging them here too changes nothing (a set).
#include "SoundBridge.h"
#include "Taggers.h"
#include "core/catalogue/SegmentIds.h"

namespace moxlet::wordbase {

void tagVowels(WordAnalysis& a)
{
    for (int id : soundSegmentsOf(a))
        if (id <= seg::KindOldWords || id == seg::RoteWords) a.tag(id);
}

}  // namespace moxlet::wordbase
