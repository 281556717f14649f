#include "app/search_dialog_model.h"

void CSoekModel::SetTypedText(const std::string& text) {
  query = text;
  for (char& c : query) {
    if (c == '\n' || c == '\r') c = ' ';
  }
}
