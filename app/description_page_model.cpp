#include "app/description_page_model.h"

#include "app/picture_id_check.h"
#include "base/front_end.h"

namespace {

constexpr int kRepeatedField[CAnnotationDefaults::kRepeatedFields] = {kFieldWhen, kFieldWhere,
                                                                      kFieldDescription};

}  // namespace

void CDescriptionPageModel::Load(const CFields& fields, const CAnnotationDefaults& defaults) {
  id = record_id = fields[kFieldId];
  repeat = defaults.repeat;
  for (int i = 0; i < CAnnotationDefaults::kRepeatedFields; ++i) {
    texts[i] = fields[kRepeatedField[i]];
    if (repeat[i] && texts[i].empty()) texts[i] = defaults.default_text[i];
  }
}

bool CDescriptionPageModel::CheckId(CFrontEnd& front_end,
                                    const std::function<bool(const std::string&)>& key_exists) {
  CPictureIdCheck check = CheckPictureId(id, record_id, key_exists);
  if (check.refusal) {
    front_end.ShowMessage(*check.refusal, MsgButtons::kOk, MsgIcon::kWarning);
    return false;
  }
  id = std::move(check.id);
  return true;
}

void CDescriptionPageModel::Store(CFields& fields, CAnnotationDefaults& defaults) const {
  fields[kFieldId] = id;
  defaults.repeat = repeat;
  for (int i = 0; i < CAnnotationDefaults::kRepeatedFields; ++i) {
    fields[kRepeatedField[i]] = texts[i];
    if (repeat[i]) defaults.default_text[i] = texts[i];
  }
}
