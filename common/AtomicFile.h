#pragma once
// The one way the program writes a file (worksheets, "memory.dat", the
// settings, CSV, chart data, vector and matrix files, data tables, pictures).
//
// WriteFileAtomic(path, bytes) writes the bytes to a new file beside the
// target, checks every write, syncs the file to the disk (fsync) and closes
// it, and only then renames it over the target; the folder is synced after
// the rename. Either the target holds exactly `bytes` afterwards and the
// result is true, or the target is byte-identical to what it was before (or
// still absent), the new file is gone, and the result is false with
// `*reason` saying what failed (the system's text for the error, such as
// "No space left on device").
//
// - A path that is a symbolic link replaces the file it points to; the link stays.
// - An existing target keeps its permission bits; a new one gets 0666 less the umask.
// - Refused: an existing target that is not a regular file (a folder, a
//   device, a pipe) and one that is read-only (no write permission bit at
//   all, or not writable for this process): the user made it so.
// - A folder that does not allow a new file beside the target fails, even
//   when the target itself is writable: writing in place could lose it.
// - The folder sync after the rename is best effort (some file systems do
//   not support it); the rename has happened by then.
//
// Plain C++ and POSIX, no Qt: the numeric components and common/ use it as
// well as the window layers (platform/files/ gives it QString arguments).
#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>

namespace zw {

bool WriteFileAtomic(const std::string& path, std::string_view bytes, std::string* reason = nullptr);

// The writer hands the bytes to the system in pieces of this size.
inline constexpr std::size_t kAtomicWriteChunk = std::size_t{64} * 1024;

// ---- fault injection (tests) ------------------------------------------------
// While a ScopedWriteFault lives, the writes of its thread fail at the
// chosen stage with the chosen error, as a full disk or a broken medium
// would make them fail. ShortWrite instead lets the nth piece write only
// half of its bytes, as the system may; the writer must carry on.
enum class WriteStage { None, Open, Write, ShortWrite, Sync, Close, Rename };

struct WriteFault {
  WriteStage stage = WriteStage::None;
  int nth = 1;          // Write and ShortWrite: the nth call of write() (from 1)
  int error = ENOSPC;   // the errno of the failing call
};

class ScopedWriteFault {
public:
  explicit ScopedWriteFault(WriteFault fault);
  ~ScopedWriteFault();
  ScopedWriteFault(const ScopedWriteFault&) = delete;
  ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;

private:
  WriteFault previous_;
};

}  // namespace zw
