#include "corpus/Classifier.h"

namespace corpus {

Classifier::Classifier(const std::string&) {}

Classification Classifier::Classify(const std::string&, const CorpusWord&) const { return {}; }

}  // namespace corpus
