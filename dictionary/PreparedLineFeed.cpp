#include "dictionary/PreparedLineFeed.h"

#include <new>
#include <string>
#include <utility>

PreparedLineFeed::PreparedLineFeed(platform::LineReader& reader)
    : reader_(reader),
      batches_(Batches, std::vector<PreparedWord>(BatchSize)),
      lineCounts_(Batches, 0),
      thread_([this] { Read(); }) {}

PreparedLineFeed::~PreparedLineFeed() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void PreparedLineFeed::Read() {
  std::string line;
  std::size_t batch = 0;
  std::size_t lines = 0;
  bool more = true;
  try {
    while (more) {
      {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return stopping_ || filled_ - released_ < Batches; });
        if (stopping_) return;
        batch = filled_ % Batches;
      }
      std::vector<PreparedWord>& words = batches_[batch];
      lines = 0;
      while (lines < BatchSize && (more = reader_.NextLine(line)))
        PrepareWord(line, words[lines++]);
      KeepStorageAhead(std::span<const PreparedWord>(words.data(), lines));
      {
        std::lock_guard<std::mutex> lock(mutex_);
        lineCounts_[batch] = lines;
        if (lines > 0) ++filled_;
        ended_ = !more;
      }
      changed_.notify_all();
    }
  } catch (...) {
    // The lines of this batch read before the failure are handed over too.
    {
      std::lock_guard<std::mutex> lock(mutex_);
      lineCounts_[batch] = lines;
      if (lines > 0) ++filled_;
      failure_ = std::current_exception();
      ended_ = true;
    }
    changed_.notify_all();
  }
}

void PreparedLineFeed::KeepStorageAhead(std::span<const PreparedWord> lines) {
  for (const PreparedWord& word : lines) entryBytes_ += WordTable::EntryBytes(word.folded.size());
  while (!storageFailed_ && entryBytes_ + WordTable::ChunkBytes / 2 > storageBytes_) {
    try {
      platform::LargeBlock chunk = WordTable::ResidentChunk();
      std::lock_guard<std::mutex> lock(mutex_);
      residentChunks_.push_back(std::move(chunk));
    } catch (const std::bad_alloc&) {
      storageFailed_ = true;  // only a head start: the table asks for memory itself
    }
    storageBytes_ += WordTable::ChunkBytes;
  }
}

std::vector<platform::LargeBlock> PreparedLineFeed::TakeResidentChunks() {
  std::lock_guard<std::mutex> lock(mutex_);
  return std::exchange(residentChunks_, {});
}

std::span<const PreparedWord> PreparedLineFeed::Next() {
  std::unique_lock<std::mutex> lock(mutex_);
  if (holding_) {
    ++released_;
    holding_ = false;
    changed_.notify_all();
  }
  changed_.wait(lock, [&] { return released_ < filled_ || ended_; });
  if (released_ < filled_) {
    holding_ = true;
    std::size_t batch = released_ % Batches;
    return std::span<const PreparedWord>(batches_[batch].data(), lineCounts_[batch]);
  }
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
  return {};
}
