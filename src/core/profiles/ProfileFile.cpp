#include "core/profiles/ProfileFile.h"

#include <algorithm>

#include "core/store/FileError.h"
#include "core/store/ProfileCodec.h"
#include "core/store/RecordCheck.h"
#include "core/store/Scrambler.h"

namespace moxlet {

namespace {

std::span<const std::uint8_t> recordBytes(const std::vector<std::uint8_t>& all, std::int32_t n)
{
    return std::span<const std::uint8_t>(all).subspan(static_cast<std::size_t>(n - 1) * kProfileRecordLen,
                                                      kProfileRecordLen);
}

// The whole file, or nothing when it is missing; a torn tail is noted.
bool readWholeFile(const FileContext& ctx, std::vector<std::uint8_t>& bytes, Problems* problems)
{
    bytes.clear();
    if (!ctx.fs.exists(kProfileFileName)) return true;
    DataFile file = openProfileFile(ctx);
    if (!withRetry(ctx.prompt, kReadProfileMessage, [&] {
            if (!file.isOpen()) throw FileException(FileErrorNo::BadFileNameOrNumber, "not open");
            bytes = ctx.fs.readAll(kProfileFileName);
        }))
        return false;
    if (auto tail = bytes.size() % kProfileRecordLen)
        note(problems, kProfileFileName, 0,
             std::to_string(tail) + " bytes after the last whole record ignored");
    return true;
}

}  // namespace

StudentProfile decodeProfileRecord(std::span<const std::uint8_t> bytes)
{
    StudentProfile p = ProfileCodec::decode(bytes);
    unscrambleProfile(p);
    p.StudiedSegments.setFlagBits();
    return p;
}

std::vector<std::uint8_t> encodeProfileRecord(StudentProfile p, Random& random)
{
    p.StudiedSegments.setFlagBits();
    scrambleProfile(p, random);
    return ProfileCodec::encode(p);
}

DataFile openProfileFile(const FileContext& ctx)
{
    return openDataFile(ctx, kProfileFileName, FileKind::Profile, kProfileRecordLen);
}

bool readProfileRecord(const FileContext& ctx, const DataFile& file, std::int32_t n, StudentProfile& p)
{
    return withRetry(ctx.prompt, kReadProfileMessage, [&] { p = decodeProfileRecord(file.readRecord(n)); });
}

bool writeProfileRecord(const FileContext& ctx, DataFile& file, std::int32_t n, StudentProfile& p)
{
    p.StudiedSegments.setFlagBits();
    auto bytes = encodeProfileRecord(p, ctx.random);
    return withRetry(ctx.prompt, kWriteProfileMessage, [&] { file.writeRecord(n, bytes); });
}

std::int32_t profileCount(const FileContext& ctx)
{
    if (!ctx.fs.exists(kProfileFileName)) return 0;
    DataFile file = openProfileFile(ctx);
    std::int32_t count = 0;
    withRetry(ctx.prompt, kReadProfileMessage, [&] { count = file.recordCount(); });
    return count;
}

std::vector<ProfileEntry> listProfiles(const FileContext& ctx, Problems* problems)
{
    std::vector<ProfileEntry> live;
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(ctx, bytes, problems)) return live;
    auto count = static_cast<std::int32_t>(bytes.size() / kProfileRecordLen);
    for (std::int32_t n = 1; n <= count; ++n) {
        StudentProfile p = decodeProfileRecord(recordBytes(bytes, n));
        if (checkProfile(p, n, problems) == RecordState::Live) live.push_back({n, p});
    }
    return live;
}

std::int32_t newProfileSlot(const FileContext& ctx)
{
    std::vector<std::uint8_t> bytes;
    readWholeFile(ctx, bytes, nullptr);
    auto count = static_cast<std::int32_t>(bytes.size() / kProfileRecordLen);
    for (std::int32_t n = 1; n <= count; ++n) {
        if (decodeProfileRecord(recordBytes(bytes, n)).InUse == 0) return n;
    }
    return count + 1;
}

std::string studentListText(const StudentProfile& p)
{
    const std::string last = p.LastName.trimmed();
    const std::string first = p.FirstName.trimmed();
    if (last.empty()) return first;
    return first.empty() ? last : last + ", " + first;
}

StudentProfile newProfileDefaults()
{
    StudentProfile p;
    p.SyllableMin = 1;
    p.SyllableMax = 9;
    return p;
}

bool saveProfile(const FileContext& ctx, StudentProfile& p, std::int32_t recordNo,
                 const ProfileEditorInput& input)
{
    if (recordNo < 1 || recordNo > kMaxProfileNo) {
        ctx.prompt.message("Moxlet keeps at most 9999 student profiles.  Delete a profile that is "
                           "no longer needed; its place is used for the next new profile.",
                           "Save Profile", Icon::Exclamation, Buttons::Ok);
        return false;
    }
    p.InUse = 1;
    p.ProfileNo = static_cast<std::int16_t>(recordNo);
    p.LastName.assign(input.LastName);
    p.FirstName.assign(input.FirstName);
    p.SyllableMin = static_cast<std::int16_t>(input.SyllableMin);
    p.SyllableMax = static_cast<std::int16_t>(input.SyllableMax);
    p.FormatVersion = kFormatVersion;
    for (auto& f : p.ProfileFiller) f = static_cast<std::int16_t>(ctx.random.below(32000));
    // Line k of the editor's list is segment k.
    p.StudiedSegments = SegmentSet{};
    p.StudiedSegments.add(seg::HomophoneFlag);
    const int lines = std::min(static_cast<int>(input.selected.size()), kSetBits);
    for (int k = 0; k < lines; ++k)
        if (input.selected[static_cast<std::size_t>(k)]) p.StudiedSegments.add(k);
    DataFile file = openProfileFile(ctx);
    return writeProfileRecord(ctx, file, recordNo, p);
}

bool scanProfiles(const FileContext& ctx, int& activeProfileCount, Problems* problems)
{
    activeProfileCount = 0;
    if (!ctx.fs.exists(kProfileFileName)) return true;
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(ctx, bytes, problems)) return false;
    auto count = static_cast<std::int32_t>(bytes.size() / kProfileRecordLen);
    bool updated = false;
    for (std::int32_t n = 1; n <= count; ++n) {
        StudentProfile stored = decodeProfileRecord(recordBytes(bytes, n));
        StudentProfile checked = stored;
        if (checkProfile(checked, n, problems) != RecordState::Live) continue;
        ++activeProfileCount;
        if (stored.FormatVersion < 30000) {
            stored.FormatVersion = kFormatVersion;
            auto record = encodeProfileRecord(stored, ctx.random);
            std::copy(record.begin(), record.end(),
                      bytes.begin() + static_cast<std::ptrdiff_t>(n - 1) * kProfileRecordLen);
            updated = true;
        }
    }
    if (!updated) return true;
    DataFile file = openProfileFile(ctx);
    return withRetry(ctx.prompt, kWriteProfileMessage, [&] {
        if (!file.isOpen()) throw FileException(FileErrorNo::BadFileNameOrNumber, "not open");
        replaceFileAtomically(ctx.fs, kProfileFileName, bytes);
    });
}

DeleteProfileResult deleteProfile(const FileContext& ctx, std::int32_t r)
{
    DataFile file = openProfileFile(ctx);
    StudentProfile profile;
    if (!readProfileRecord(ctx, file, r, profile)) return DeleteProfileResult::Failed;
    if (profile.ProfileNo != r) return DeleteProfileResult::NotMatching;
    if (auto name = planFileName(r)) {
        bool removed = withRetry(ctx.prompt, "Unable to delete Student's Plan file (" + *name + ").", [&] {
            if (ctx.fs.exists(*name)) ctx.fs.remove(*name);
        });
        if (!removed) return DeleteProfileResult::Failed;
    }
    profile.InUse = 0;
    if (!writeProfileRecord(ctx, file, r, profile)) return DeleteProfileResult::Failed;
    return DeleteProfileResult::Deleted;
}

}  // namespace moxlet
