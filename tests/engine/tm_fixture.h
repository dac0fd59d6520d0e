// A TM in a scratch folder, open for reading and writing.

#ifndef TARVENNA_TESTS_ENGINE_TM_FIXTURE_H_
#define TARVENNA_TESTS_ENGINE_TM_FIXTURE_H_

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"
#include "tm_store.h"

class TmFixture : public testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.File("test.vrx");
    ASSERT_TRUE(store_.Open(path_.c_str(), false, "EN-US", "FR-FR",
                            "windows-1252"));
  }

  AddOutcome Add(const std::string& source, const std::string& target = "t",
                 const std::string& type = "", const std::string& id = "") {
    return store_.AddEntry(source.c_str(), target.c_str(), type.c_str(),
                           id.c_str(), -1, -1, -1, -1);
  }

  // Adds an entry that must be new and returns its offset.
  int32_t AddNew(const std::string& source, const std::string& target = "t") {
    int32_t offset = static_cast<int32_t>(store_.IndexOffset());
    EXPECT_EQ(Add(source, target), AddOutcome::kAdded) << source;
    return offset;
  }

  void Reopen() {
    ASSERT_TRUE(store_.Open(path_.c_str(), false, nullptr, nullptr, nullptr));
  }

  ScratchDir dir_;
  std::string path_;
  TmStore store_;
};

#endif  // TARVENNA_TESTS_ENGINE_TM_FIXTURE_H_
