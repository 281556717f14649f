#include "app/definition_export.h"

#include <gtest/gtest.h>

TEST(DefinitionExportTest, WhatAnExportCarriesComesBackAndTheRestIsNew) {
  CUserDefFields film;
  film.Set("Film", 1, 2);
  film.search = 0;
  film.enabled = 1;
  film.display = 1;
  film.recent_values[0] = "Kodak";
  CUserDefFields person;
  person.Set("Person", 2, 5);
  person.search = 1;
  person.enabled = 0;

  const std::vector<CExportDefinition> exported = ExportDefinitions({film, person});
  EXPECT_EQ(exported,
            (std::vector<CExportDefinition>{{"Film", 1, 2, 0, 1}, {"Person", 2, 5, 1, 0}}));
  const std::vector<CUserDefFields> imported = ImportedDefinitions(exported);
  ASSERT_EQ(imported.size(), 2u);
  EXPECT_EQ(imported[1], person);
  // Display and the recent values stay with the index that had them.
  EXPECT_EQ(imported[0].display, 0);
  EXPECT_EQ(imported[0].recent_values[0], "");
  EXPECT_EQ(imported[0].ValueField(), film.ValueField());
}
