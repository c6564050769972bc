// Consonant phonograms, digraphs and trigraphs (10..116 outside the vowel
// spellings) by the sound their grapheme spells, from the tagging by sound
// (SoundBridge.h).  The aligner reads the whole word in one parse, so a
// silent letter gets a consonant phonogram only through a spelling that
// explains it (KN- knee, WR- write, -MB lamb, GN sign, -STLE castle, SC (s)
// science); otherwise it makes the word a Rote Word, which the vowel tagger
// adds with the rest of the aligner's verdict.
#include "SoundBridge.h"
#include "Taggers.h"
#include "core/catalogue/SegmentIds.h"

namespace moxlet::wordbase {

namespace {

bool isConsonantId(int id)
{
    switch (id) {
    case seg::B:
    case seg::C_K:
    case seg::C_S:
    case seg::CH_CH:
    case seg::CH_K:
    case seg::CH_SH:
    case seg::CK:
    case seg::D:
    case seg::DGE:
    case seg::F:
    case seg::G_G:
    case seg::G_J:
    case seg::GH_G:
    case seg::GN:
    case seg::GUE:
    case seg::H:
    case seg::J:
    case seg::K:
    case seg::KN:
    case seg::L:
    case seg::M:
    case seg::MB:
    case seg::MN:
    case seg::N:
    case seg::NG:
    case seg::NK:
    case seg::P:
    case seg::PH:
    case seg::QU:
    case seg::QUE:
    case seg::R:
    case seg::RH:
    case seg::S:
    case seg::S_Z:
    case seg::SC_S:
    case seg::SH:
    case seg::SION_Zhen:
    case seg::SION_Shen:
    case seg::STLE:
    case seg::T:
    case seg::TCH:
    case seg::TH:
    case seg::TH_Voiced:
    case seg::TION:
    case seg::TU_SU_DU:
    case seg::V:
    case seg::W:
    case seg::WH:
    case seg::WR:
    case seg::X_KS:
    case seg::X_Z:
    case seg::Y_Consonant:
    case seg::Z: return true;
    default: return false;
    }
}

}  // namespace

void tagConsonants(WordAnalysis& a)
{
    for (int id : soundSegmentsOf(a))
        if (isConsonantId(id)) a.tag(id);
}

}  // namespace moxlet::wordbase
