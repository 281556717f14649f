// CCategoryChoice: a picture's categories as the category dialogs offer them, a list of the
// index's category names in list order with a tick for each name the picture's category field
// holds; "Select category" offers one more item, "TO_BE_DESCRIBED", at the end.
//
// The field made from the list holds the ticked names in list order (each without blanks).
// The words of the field that the list does not show (a category deleted from the list, one
// given by a bulk update or an import, one written in another case) cannot be ticked or
// unticked here, so they are kept, after the ticked names and before "TO_BE_DESCRIBED".
#pragma once

#include <string>
#include <vector>

class CCategoryChoice {
 public:
  struct CItem {
    std::string name;
    bool ticked = false;
  };

  CCategoryChoice() = default;
  CCategoryChoice(std::string field, const std::vector<std::string>& names,
                  bool with_to_be_described);

  const std::vector<CItem>& Items() const { return items_; }
  void SetTicked(size_t item, bool ticked);
  // A category just made: an unticked item after the index's names (before
  // "TO_BE_DESCRIBED").
  void AddItem(const std::string& name);
  void RemoveItem(size_t item);
  // The category field: the ticked names, then the words the list does not show, then
  // "TO_BE_DESCRIBED" when it is offered and ticked; separated by single blanks.
  std::string Field() const;

 private:
  std::string field_;  // the picture's category field as it was
  std::vector<CItem> items_;
  bool with_to_be_described_ = false;
};
