#include "sentence_generator.h"

#include <random>

namespace {

std::vector<std::string> MakeVocabulary(std::mt19937& random, int size) {
  std::vector<std::string> words;
  for (int i = 0; i < size; ++i) {
    std::string word;
    const int length = 2 + static_cast<int>(random() % 9);
    for (int j = 0; j < length; ++j) word += static_cast<char>('a' + random() % 26);
    if (random() % 7 == 0) word[0] = static_cast<char>(word[0] - 32);
    words.push_back(word);
  }
  return words;
}

}  // namespace

std::vector<std::string> MakeSentences(int count) {
  std::mt19937 random(1252);
  const std::vector<std::string> vocabulary = MakeVocabulary(random, 20000);
  std::vector<std::string> sentences;
  for (int i = 0; i < count; ++i) {
    std::string sentence;
    const int words = 2 + static_cast<int>(random() % 24);
    for (int w = 0; w < words; ++w) {
      double u = std::generate_canonical<double, 32>(random);
      size_t index = static_cast<size_t>(vocabulary.size() * u * u * u);
      if (w > 0) sentence += ' ';
      sentence += vocabulary[index];
    }
    sentence += " #" + std::to_string(i) + ".";
    sentences.push_back(sentence);
  }
  return sentences;
}

