#include "cli_texts.h"

#include "resource_tables.h"

namespace cli_text {

const char* Shared(int id) {
  const char* text = FindStringResource(id);
  return text ? text : "";
}

std::string WithArguments(int id, std::initializer_list<std::string> arguments) {
  std::string text = Shared(id);
  int number = 1;
  for (const std::string& argument : arguments) {
    const std::string placeholder = "%" + std::to_string(number++);
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + argument.size())) {
      text.replace(at, placeholder.size(), argument);
    }
  }
  return text;
}

}  // namespace cli_text
