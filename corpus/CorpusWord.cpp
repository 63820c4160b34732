#include "corpus/CorpusWord.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <tuple>

namespace corpus {

bool AttestedEarlier(std::uint32_t a, std::uint32_t b, const std::vector<Document>& documents) {
  auto order = [&](std::uint32_t index) {
    Date date = documents[index].date;
    return std::make_tuple(date == 0 ? std::numeric_limits<Date>::max() : date, index);
  };
  return order(a) < order(b);
}

void MergeInto(CorpusWord& into, const CorpusWord& from, const std::vector<Document>& documents) {
  bool intoEmpty = into.frequency == 0;
  for (const auto& [form, count] : from.forms) into.forms[form] += count;
  into.frequency += from.frequency;
  into.inside += from.inside;
  into.capitalisedInside += from.capitalisedInside;
  into.documents += from.documents;
  if (intoEmpty || AttestedEarlier(from.firstDocument, into.firstDocument, documents)) {
    into.firstDocument = from.firstDocument;
  }
  if (from.firstDate != 0 && (into.firstDate == 0 || from.firstDate < into.firstDate)) {
    into.firstDate = from.firstDate;
  }
  into.lastDate = std::max(into.lastDate, from.lastDate);
  for (const auto& [month, count] : from.perMonth) into.perMonth[month] += count;

  // The earliest contexts in corpus order; those of one document keep theirs.
  // A full set that holds only earlier documents stays as it is.
  if (from.contexts.empty() || (into.contexts.size() >= ContextCap &&
                                into.contexts.back().document < from.contexts.front().document)) {
    return;
  }
  std::vector<Context> contexts;
  contexts.reserve(std::min(ContextCap, into.contexts.size() + from.contexts.size()));
  std::merge(std::make_move_iterator(into.contexts.begin()),
             std::make_move_iterator(into.contexts.end()), from.contexts.begin(),
             from.contexts.end(), std::back_inserter(contexts),
             [](const Context& a, const Context& b) { return a.document < b.document; });
  if (contexts.size() > ContextCap) contexts.resize(ContextCap);
  into.contexts = std::move(contexts);
}

}  // namespace corpus
