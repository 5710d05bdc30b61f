#include "support/temp_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

#include "platform/system.h"

namespace testing_support {

TempFolder::TempFolder() {
  char tmpl[] = "/tmp/quorvane_test_XXXXXX";
  const char* made = mkdtemp(tmpl);
  path = std::string(made ? made : "/tmp") + "/";
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path, ec);
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  return platform::WriteFileBytes(path, bytes);
}

}  // namespace testing_support
