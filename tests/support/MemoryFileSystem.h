#pragma once
// A data directory held in memory, for tests and fuzzing, with injected
// faults and a model of a power cut.
//
// Every file keeps the bytes last written and the bytes last made durable by
// flush().  crash() drops everything that was not flushed, as a power cut
// does: a file written but never flushed comes back empty.  Renames and
// removals are durable at once (the disk layer syncs the directory).
//
// Faults: failMutationAt(k, n) makes the k-th mutating step (write, flush,
// rename, remove; counted from 1 over the life of the object) throw error n;
// a failing write is torn, only the first half of its bytes reaches the file.
// failReadAt(k, n) does the same for the k-th reading step (probe, size,
// read).  Each injected fault fires once, so a retried step succeeds.
// failMutationsFrom(k, n) is a lasting fault: step k and every mutating step
// after it fail, as on a disk that has filled up or a folder that has been
// made read-only; a retry fails again.
//
// putDirectory(name) puts a directory where a file of that name belongs and
// behaves as the disk does then (see DiskFileSystemTest): the name does not
// exist as a file and is not listed; reading it, writing it, renaming a file
// onto it and removing it fail with 75; it is never removed.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/store/FileSystem.h"

namespace moxlet {

class MemoryFileSystem : public FileSystem {
public:
    bool exists(const std::string& name) override;
    std::uint64_t size(const std::string& name) override;
    void probe(const std::string& name) override;
    std::vector<std::uint8_t> read(const std::string& name, std::uint64_t offset, std::size_t count) override;
    void write(const std::string& name, std::span<const std::uint8_t> bytes) override;
    void flush(const std::string& name) override;
    void rename(const std::string& from, const std::string& to) override;
    void remove(const std::string& name) override;
    std::vector<std::string> list() override;

    // Puts a durable file in place (no step is counted).
    void put(const std::string& name, std::vector<std::uint8_t> bytes);
    // The current bytes of a file, or nothing when it is missing.
    std::optional<std::vector<std::uint8_t>> get(const std::string& name) const;
    // Writes to, renames onto and removals of a read-only name fail with 70.
    void setReadOnly(const std::string& name, bool readOnly = true);

    void failMutationAt(int step, int errorNumber);
    void failMutationsFrom(int step, int errorNumber);
    void failReadAt(int step, int errorNumber);
    int mutationSteps() const { return mutations_; }
    int readSteps() const { return reads_; }

    // A power cut: files lose whatever was not flushed.
    void crash();

    // A directory in place of the file `name` (a file of that name goes).
    void putDirectory(const std::string& name);
    bool isDirectory(const std::string& name) const { return directories_.count(name) != 0; }
    // Every name a mutating step has aimed at (written, flushed, renamed
    // onto, removed), over the life of the object.
    const std::set<std::string>& mutatedNames() const { return mutated_; }

private:
    struct File {
        std::vector<std::uint8_t> current;
        std::vector<std::uint8_t> durable;
    };
    void countMutation(const std::string& name);
    void countRead(const std::string& name);
    File& find(const std::string& name);

    std::map<std::string, File> files_;
    std::set<std::string> readOnly_;
    std::set<std::string> directories_;
    std::set<std::string> mutated_;
    std::optional<std::pair<int, int>> lastingFault_;  // from step, error number
    int mutations_ = 0;
    int reads_ = 0;
    std::map<int, int> mutationFaults_;
    std::map<int, int> readFaults_;
    std::optional<int> tornWrite_;  // set while the current write is the faulty one
};

}  // namespace moxlet
