// A FIFO planted where the game reads a file, and a guard for a reader that
// would block on it for ever.
#pragma once
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <string>

namespace testing_support {

// Runs read, which opens the FIFO at fifo, and says whether it returned
// within the time. A read still blocked there is then let go by a writer that
// comes and goes, so that the test ends either way.
inline bool ReturnsDespiteFifo(const std::string& fifo, const std::function<void()>& read,
                               std::chrono::seconds within = std::chrono::seconds(5)) {
  auto done = std::async(std::launch::async, read);
  const bool returned = done.wait_for(within) == std::future_status::ready;
  if (!returned) {
    const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) ::close(fd);
  }
  done.wait();
  return returned;
}

}  // namespace testing_support
