// The "Description" page (CEditTekst, dialog 102) of the description editor: the picture's
// ID (one line, at most 19 characters), When, Where and the description (several lines, kept
// with "\r\n" line breaks as the store keeps them), and a "Repeat" check box for each of the
// three texts under "Set as default": a repeated text is offered to the next picture edited
// whose text is empty.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "app/annotation_defaults.h"
#include "store/field_text.h"

class CFrontEnd;

class CDescriptionPageModel {
 public:
  // The ID field takes this many characters.
  static constexpr size_t kMaxIdLength = 19;

  std::string id;
  // When, Where and the description, in the order of the repeat flags.
  std::array<std::string, CAnnotationDefaults::kRepeatedFields> texts;
  std::array<bool, CAnnotationDefaults::kRepeatedFields> repeat{};
  // The record's ID as it was when the editor opened.
  std::string record_id;

  std::string& when() { return texts[0]; }
  std::string& where() { return texts[1]; }
  std::string& description() { return texts[2]; }

  // Opening: the record's ID and texts and the remembered repeat flags; an empty repeated text
  // shows the text last stored under it.
  void Load(const CFields& fields, const CAnnotationDefaults& defaults);
  // The ID's checks (OK, or turning to another page): blanks around it dropped, not empty, no
  // blank or "*%?|", and not another picture's when it changed. A refusal is shown; on
  // success the ID is as it will be stored.
  bool CheckId(CFrontEnd& front_end, const std::function<bool(const std::string&)>& key_exists);
  // OK: the record's fields 0 to 3, the repeat flags, and the texts to repeat.
  void Store(CFields& fields, CAnnotationDefaults& defaults) const;
};
