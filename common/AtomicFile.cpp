#include "common/AtomicFile.h"

#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

namespace zw {

namespace {

thread_local WriteFault t_fault;
thread_local int t_writeCalls = 0;

// The system's text for an error (thread-safe, GNU strerror_r).
std::string errorText(int error) {
  char buf[256];
  return ::strerror_r(error, buf, sizeof buf);
}

bool fail(std::string* reason, int error) {
  if (reason) *reason = errorText(error);
  errno = error;
  return false;
}

bool failWith(std::string* reason, const char* text) {
  if (reason) *reason = text;
  return false;
}

// The system calls, each with its fault.
bool faulted(WriteStage stage) {
  if (t_fault.stage != stage) return false;
  errno = t_fault.error;
  return true;
}

int openNew(const std::string& name, mode_t mode) {
  if (faulted(WriteStage::Open)) return -1;
  return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
}

ssize_t writeSome(int fd, const char* data, std::size_t n) {
  if (t_fault.stage == WriteStage::Write || t_fault.stage == WriteStage::ShortWrite) {
    if (++t_writeCalls == t_fault.nth) {
      if (faulted(WriteStage::Write)) return -1;
      if (n > 1) n /= 2;
    }
  }
  return ::write(fd, data, n);
}

int syncFile(int fd) {
  if (faulted(WriteStage::Sync)) return -1;
  return ::fsync(fd);
}

int closeFile(int fd) {
  const int r = ::close(fd);  // closed in any case: the descriptor must not leak
  if (faulted(WriteStage::Close)) return -1;
  return r;
}

int renameFile(const std::string& from, const std::string& to) {
  if (faulted(WriteStage::Rename)) return -1;
  return ::rename(from.c_str(), to.c_str());
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a path names: a symbolic link is followed to what it points to
// (also when that does not exist yet), so the link itself survives the rename.
std::string resolveLinks(std::string path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    if (char* real = ::realpath(path.c_str(), nullptr)) {
      std::string resolved(real);
      ::free(real);
      return resolved;
    }
    // A dangling link: follow it one step by hand.
    char buf[PATH_MAX];
    const ssize_t n = ::readlink(path.c_str(), buf, sizeof buf - 1);
    if (n <= 0) return path;
    const std::string target(buf, std::size_t(n));
    path = target.front() == '/' ? target : folderOf(path) + '/' + target;
  }
  return path;
}

// A name for the new file beside `target` that nobody else uses: hidden,
// and short enough for the file system's name limit.
std::string temporaryName(const std::string& target, unsigned attempt) {
  static std::atomic<unsigned> counter{0};
  const std::size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
  std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  if (name.size() > 200) name.resize(200);
  const auto tick = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
  char tag[64];
  std::snprintf(tag, sizeof tag, ".%x.%x.%llx.tmp", unsigned(::getpid()), counter.fetch_add(1) + attempt,
                tick & 0xFFFFFFFFull);
  return folder + '.' + name + tag;
}

}  // namespace

ScopedWriteFault::ScopedWriteFault(WriteFault fault) : previous_(t_fault) {
  t_fault = fault;
  t_writeCalls = 0;
}

ScopedWriteFault::~ScopedWriteFault() {
  t_fault = previous_;
  t_writeCalls = 0;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes, std::string* reason) {
  if (path.empty()) return fail(reason, ENOENT);
  if (path.back() == '/') return fail(reason, EISDIR);
  const std::string target = resolveLinks(path);

  mode_t mode = 0666;  // less the umask, applied by open()
  bool keepMode = false;
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return fail(reason, EISDIR);
    if (!S_ISREG(st.st_mode)) return failWith(reason, "Not a regular file");
    // Read-only is the user's decision, even for a process (root) that could
    // write anyway.
    if ((st.st_mode & 0222) == 0) return fail(reason, EACCES);
    if (::access(target.c_str(), W_OK) != 0) return fail(reason, errno);
    mode = st.st_mode & 07777;
    keepMode = true;
  } else if (errno != ENOENT) {
    return fail(reason, errno);
  }

  std::string temp;
  int fd = -1;
  for (unsigned attempt = 0; fd < 0 && attempt < 100; ++attempt) {
    temp = temporaryName(target, attempt);
    fd = openNew(temp, mode);
    if (fd < 0 && errno != EEXIST) return fail(reason, errno);
  }
  if (fd < 0) return fail(reason, EEXIST);

  // From here on every failure removes the new file.
  auto abandon = [&](int error, bool open) {
    if (open) ::close(fd);
    ::unlink(temp.c_str());
    return fail(reason, error);
  };
  // open() applied the umask to a kept mode; set it exactly.
  if (keepMode && ::fchmod(fd, mode) != 0) return abandon(errno, true);

  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = writeSome(fd, p, std::min(left, kAtomicWriteChunk));
    if (n < 0) {
      if (errno == EINTR) continue;
      return abandon(errno, true);
    }
    if (n == 0) return abandon(EIO, true);  // no progress on a regular file
    p += n;
    left -= std::size_t(n);
  }
  if (syncFile(fd) != 0) return abandon(errno, true);
  if (closeFile(fd) != 0) return abandon(errno, false);
  if (renameFile(temp, target) != 0) return abandon(errno, false);

  // The rename itself reaches the disk with the folder.
  const int dir = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    (void)::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace zw
