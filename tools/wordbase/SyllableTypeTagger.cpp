// One syllable type for each syllable, from the tagging by sound
// (VowelSounds.h), which reads it off the unit carrying the syllable's vowel:
//   final consonant + le (ta-ble)                     Consonant-LE
//   vowel + r (car, her, fire)                        R-Controlled
//   vowel team (rain, boat)                           Vowel Pair
//   one vowel letter saying its long sound, then one or two consonants and a
//   silent e (make, com-plete)                        Silent E
//   a vowel that ends its syllable (go, ba-by, a-bout) Open Syllable
//   otherwise (cat, rab-bit)                          Closed Syllable
#include "SoundBridge.h"
#include "Taggers.h"
#include "core/catalogue/SegmentIds.h"

namespace moxlet::wordbase {

void tagSyllableTypes(WordAnalysis& a)
{
    for (int id : soundSegmentsOf(a))
        if (id >= seg::SilentE && id <= seg::RControlled) a.tag(id);
}

}  // namespace moxlet::wordbase
