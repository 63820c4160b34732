#include "frasor/win32/Utf8Decoding.h"

#include <windows.h>

#include <algorithm>

#include "frasor/Utf8Sequence.h"
#include "frasor/win32/SystemError.h"
#include "frasor/win32/Utf16Units.h"

namespace frasor::win32 {
namespace {

// Decodes `length` bytes of well-formed UTF-8 to `target`, which has room for
// as many units, and returns behind the units written. The system is told to
// refuse what is ill-formed, so that it never substitutes on its own.
char16_t* DecodeWellFormed(const unsigned char* bytes, std::size_t length, char16_t* target) {
  if (length == 0) return target;
  int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, reinterpret_cast<LPCCH>(bytes),
                                  static_cast<int>(length), Wide(target), static_cast<int>(length));
  if (units <= 0) {
    ThrowSystemError("decoding UTF-8", GetLastError());
  }
  return target + units;
}

}  // namespace

std::size_t Utf8Decoding::Decode(std::string_view bytes, bool last, char16_t* target) {
  char16_t* out = target;
  std::size_t taken = heldSize_ > 0 ? FinishHeld(bytes, last, out) : 0;
  const auto* at = reinterpret_cast<const unsigned char*>(bytes.data()) + taken;
  const unsigned char* end = reinterpret_cast<const unsigned char*>(bytes.data()) + bytes.size();
  // The well-formed bytes from `run` on go to the system in one call.
  const unsigned char* run = at;
  while (at < end) {
    if (*at < 0x80) {
      ++at;
      continue;
    }
    int length = LeadOf(*at).length;
    int agreeing = WellFormedPrefix(at, static_cast<std::size_t>(end - at));
    if (length > 0 && agreeing == length) {
      at += length;
      continue;
    }
    out = DecodeWellFormed(run, static_cast<std::size_t>(at - run), out);
    if (length > 0 && agreeing == end - at && !last) {
      // Cut short by the end of the block: the next one may complete it.
      std::copy(at, end, held_);
      heldSize_ = static_cast<std::size_t>(end - at);
      return static_cast<std::size_t>(out - target);
    }
    // One replacement for the maximal subpart, or for a byte that begins
    // no sequence.
    *out++ = ReplacementCharacter;
    at += std::max(agreeing, 1);
    run = at;
  }
  out = DecodeWellFormed(run, static_cast<std::size_t>(at - run), out);
  return static_cast<std::size_t>(out - target);
}

std::size_t Utf8Decoding::FinishHeld(std::string_view bytes, bool last, char16_t*& target) {
  auto length = static_cast<std::size_t>(LeadOf(held_[0]).length);
  std::size_t taken = 0;
  while (heldSize_ < length && taken < bytes.size()) {
    held_[heldSize_] = static_cast<unsigned char>(bytes[taken]);
    // A byte that breaks the sequence is not part of it: it starts anew.
    if (static_cast<std::size_t>(WellFormedPrefix(held_, heldSize_ + 1)) <= heldSize_) break;
    ++heldSize_;
    ++taken;
  }
  if (heldSize_ == length) {
    target = DecodeWellFormed(held_, length, target);
  } else if (taken < bytes.size() || last) {
    *target++ = ReplacementCharacter;
  } else {
    return taken;  // still cut short: this block held too few bytes
  }
  heldSize_ = 0;
  return taken;
}

}  // namespace frasor::win32
