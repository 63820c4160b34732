#include "detection/DetectionRun.h"

#include "detection/AppState.h"
#include "detection/CandidateList.h"
#include "detection/CandidateReports.h"
#include "detection/CandidateScanner.h"
#include "detection/SegmenterBridge.h"
#include "detection/StatusLine.h"
#include "detection/StatusTexts.h"
#include "dictionary/DictionaryFiles.h"
#include "dictionary/DictionaryTable.h"
#include "platform/FileError.h"
#include "platform/FileSystem.h"

namespace {

// Releases the run's candidates and deletes the segmenter's files, when the
// run gets there or when a stage fails, so no run poisons the next one.
class RunCleanup {
 public:
  explicit RunCleanup(const std::string& inputName) : inputName_(inputName) {}
  ~RunCleanup() { Perform(); }
  RunCleanup(const RunCleanup&) = delete;
  RunCleanup& operator=(const RunCleanup&) = delete;

  void Perform() {
    if (done_) return;
    done_ = true;
    FreeCandidates();
    DeleteIfPresent(inputName_ + ".seg");
    DeleteIfPresent(inputName_ + "._frasor_ready_.tmp");
  }

 private:
  static void DeleteIfPresent(const std::string& path) {
    if (platform::FileExists(path)) platform::RemoveFile(path);
  }

  const std::string& inputName_;
  bool done_ = false;
};

}  // namespace

void StartUp() {
  AppDir = platform::CurrentDirectory();
  MainDictionaryLoaded = false;
  ClearDictionary();
  CandidateList = CandidateChain{};
}

void ShutDown() {
  ShowStatus(status_text::ShuttingDown);
  FreeDictionary();
}

std::string RunDetection(const std::string& inputName, bool storeNew, bool ignoreStored) {
  // Such a name would reach every system call cut short, naming another file.
  platform::RefuseNulInPath(inputName);
  RunCleanup cleanup(inputName);
  ShowStatus(status_text::LoadingDictionaries);
  LoadDictionaries();
  ShowStatus(status_text::Segmenting);
  RunSegmenter(inputName);
  ShowStatus(status_text::Scanning);
  FindCandidates(inputName, ignoreStored);
  ShowStatus(status_text::WritingReports);
  WriteCandidateFiles(inputName);
  ShowStatus(status_text::Storing);
  StoreCandidates(storeNew);
  ShowStatus(status_text::Finishing);
  cleanup.Perform();
  ShowStatus(status_text::Idle);
  return "Candidatos a neologismos detectados e armazenados nos arquivos " + inputName +
         "_candidatos-neologismos.txt e " + inputName + "_candidatos-neologismos.html";
}
