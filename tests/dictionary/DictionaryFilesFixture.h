// An application folder with an empty dicionarios folder, an empty table,
// no candidates, and a record of the status line.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "detection/AppState.h"
#include "detection/CandidateList.h"
#include "detection/StatusLine.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/DictionaryTable.h"
#include "platform/FileError.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"

using testing_support::ErrorOf;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

inline const std::string CountPrefix = "Status do software: carregando dicion\xE1rios... ";

class DictionaryFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AppDir = dir_.Path();
    MainDictionaryLoaded = false;
    ClearDictionary();
    FreeCandidates();
    std::filesystem::create_directory(dir_ / "dicionarios");
    SetStatusSink([this](std::string_view text) { statuses_.emplace_back(text); });
  }
  void TearDown() override {
    SetStatusSink(nullptr);
    FreeCandidates();
    FreeDictionary();
  }

  void WriteMain(const std::string& bytes) { WriteBytes(mainPath_, bytes); }
  void WriteUser(const std::string& bytes) { WriteBytes(userPath_, bytes); }

  void Candidates(const std::vector<std::string>& terms) {
    auto sentence = std::make_shared<const std::string>("frase ");
    for (const std::string& term : terms) AddCandidate(term, sentence);
  }

  TempDir dir_;
  std::string mainPath_ = dir_ / "dicionarios/dicionario_principal.txt";
  std::string userPath_ = dir_ / "dicionarios/dicionario_usuario.txt";
  std::vector<std::string> statuses_;
};
