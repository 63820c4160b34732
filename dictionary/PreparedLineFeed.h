// The lines of a dictionary file read, folded and hashed on a thread of
// their own while the caller inserts those already prepared. Every start of
// the program waits for the main dictionary's millions of lines; reading and
// hashing them need not wait for the table, nor the table for them.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "dictionary/DictionaryTable.h"
#include "platform/Memory.h"
#include "platform/TextFile.h"

class PreparedLineFeed {
 public:
  // Starts reading the lines of `reader`, which must outlive the feed and
  // is not to be used by anyone else until the feed is gone.
  explicit PreparedLineFeed(platform::LineReader& reader);
  // Stops the reading and waits for its thread.
  ~PreparedLineFeed();
  PreparedLineFeed(const PreparedLineFeed&) = delete;
  PreparedLineFeed& operator=(const PreparedLineFeed&) = delete;

  // The next lines, in file order, valid until the next call; empty once
  // every line was handed over. A failure of the reading (a read error,
  // memory running out) is thrown here once every line read before it has
  // been handed over.
  std::span<const PreparedWord> Next();

  // Storage the reading thread made resident for the table's entries
  // (WordTable::ResidentChunk) while it had time, about one chunk ahead of
  // the lines handed over; for WordTable::GiveChunk.
  std::vector<platform::LargeBlock> TakeResidentChunks();

 private:
  static constexpr std::size_t BatchSize = 4096;
  static constexpr std::size_t Batches = 8;

  void Read();
  // Makes a chunk resident once the lines read fill the storage made so far
  // but half a chunk.
  void KeepStorageAhead(std::span<const PreparedWord> lines);

  platform::LineReader& reader_;
  std::vector<std::vector<PreparedWord>> batches_;  // a ring the reader fills in turn
  std::vector<std::size_t> lineCounts_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t filled_ = 0;    // batches the reader has handed over
  std::size_t released_ = 0;  // batches the caller is done with
  bool holding_ = false;      // the caller holds batch number released_
  bool ended_ = false;        // the reader has handed over its last batch
  bool stopping_ = false;
  std::exception_ptr failure_;
  std::vector<platform::LargeBlock> residentChunks_;  // made, not taken yet
  std::size_t entryBytes_ = 0;  // storage the lines read take (reading thread only)
  std::size_t storageBytes_ = WordTable::ChunkBytes;  // the table's own chunk, and those made
  bool storageFailed_ = false;                        // no memory for one: the table takes its own
  std::thread thread_;
};
