#pragma once
// A fresh program directory per test, holding the shipped club files when asked for.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "records/club_file.h"
#include "settings/atomic_file.h"
#include "settings/file_bytes.h"
#include "records/shipped_club.h"

namespace tarvel::test {

class ProgramDir : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = std::filesystem::temp_directory_path() /
           ("tarvel-records-" + std::to_string(rd()) + "-" + std::to_string(rd()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

  const std::filesystem::path& Dir() const { return dir_; }

  void WriteShippedClubs() {
    WriteBytes(ClubFilePath(dir_, ClubKind::Local), ShippedClubFile(ClubKind::Local));
    WriteBytes(ClubFilePath(dir_, ClubKind::Lan), ShippedClubFile(ClubKind::Lan));
  }

  static void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
  }

  static std::string ReadBytes(const std::filesystem::path& path) {
    return ReadFileBytes(path, 1 << 24).value_or(std::string());
  }

  ClubLines LoadClub(ClubKind kind) const {
    const ClubLoad load = LoadClubFile(ClubFilePath(dir_, kind));
    EXPECT_TRUE(load.Club.has_value()) << (load.Message ? load.Message->English() : "");
    return load.Club.value_or(ClubLines{});
  }

 private:
  std::filesystem::path dir_;
};

}  // namespace tarvel::test
