// Any 640 bytes (or fewer: the rest reads as zeros) decode into a profile
// without fault; the raw layout maps every byte both ways; a checked profile
// survives scrambling and unscrambling unchanged and a second check finds
// nothing more to repair.

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/profiles/ProfileFile.h"
#include "core/store/ProfileCodec.h"
#include "core/store/Random.h"
#include "core/store/RecordCheck.h"

using namespace moxlet;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> bytes(data, data + size);
    StudentProfile raw = ProfileCodec::decode(bytes);
    if (size >= kProfileRecordLen) {
        std::vector<std::uint8_t> record(data, data + kProfileRecordLen);
        if (ProfileCodec::encode(raw) != record) __builtin_trap();
    }
    StudentProfile p = decodeProfileRecord(bytes);
    Problems problems;
    RecordState state = checkProfile(p, 1, &problems);
    if (state == RecordState::Live) {
        if (p.SyllableMin < 1 || p.SyllableMax > 9 || p.SyllableMin > p.SyllableMax) __builtin_trap();
        SeededRandom random(size);
        StudentProfile again = decodeProfileRecord(encodeProfileRecord(p, random));
        if (!(again == p)) __builtin_trap();
        Problems more;
        checkProfile(again, 1, &more);
        for (const auto& m : more)
            if (m.text.find("ProfileNo") == std::string::npos &&
                m.text.find("FormatVersion") == std::string::npos)
                __builtin_trap();
    }
    return 0;
}
