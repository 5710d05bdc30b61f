// A fresh folder under /tmp for a test's files, removed with the object.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

struct TempFolder {
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  std::string path;  // with a trailing '/'
};

// Writes bytes to path, making its folders; false when that fails.
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace testing_support
