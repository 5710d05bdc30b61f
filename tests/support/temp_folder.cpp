#include "support/temp_folder.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

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
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  // An empty vector has no data pointer to hand to fwrite.
  const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace testing_support
